# cmake -DSOURCE=... -DTARGET=... -P CopyZoneFile.cmake
# Copies an IANA zone text file without its indented comment lines (such as
# "		#STDOFF	-0:25:21.1"), which the date/tz library of Debian 12 reads as
# continuation lines and reports, line by line, on standard error.
file(READ ${SOURCE} text)
string(REGEX REPLACE "\n[ \t]+#[^\n]*" "" text "${text}")
file(WRITE ${TARGET} "${text}")
