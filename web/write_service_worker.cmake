# cmake -DSITE=... -DTEMPLATE=... -DVERSION=... -DFILES=a,b,... -P write_service_worker.cmake
# Writes the site's service worker: the files it keeps, and a cache name
# made of the program's version and a digest of those files, so that every
# change of any of them makes browsers fetch the new set.
string(REPLACE "," ";" files "${FILES}")
set(digests "")
set(quoted "'./'")
foreach(name IN LISTS files)
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND digests ${digest})
  string(APPEND quoted ", '${name}'")
endforeach()
string(SHA256 digest "${digests}")
string(SUBSTRING ${digest} 0 16 digest)
set(KALVEST_CACHE_NAME "kalvest-${VERSION}-${digest}")
set(KALVEST_CACHED_FILES "${quoted}")
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
