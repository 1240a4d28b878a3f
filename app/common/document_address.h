// Addresses of the documents the links open. The program has no web site:
// its link texts name documents that ship with the program, as paths
// relative to its data folder ("kalvest-manual.html"). Such a text
// becomes an absolute file address here; a text that already is an
// address (it starts with a scheme such as "https:" or "file:") is used as
// it stands, so the program-text file may also name a real web page.
#pragma once

#include <string>

namespace kalvest {

// The address for link text `text` (UTF-8):
//   - empty text: the empty string (the opener then reports its failure);
//   - a scheme of two or more characters before ":": `text` unchanged;
//   - otherwise a file path, relative to `program_folder` (the folder of
//     the program's data files) unless it is
//     absolute ("/...", "\\...", "C:\..."), with "\" read as "/", and an
//     optional "#fragment" kept: "file://" + the path, every byte but
//     letters, digits, "-._~/" (and a drive letter's ":") written as %XX.
//     "C:\Kalvest" and "a b.html" give "file:///C:/Kalvest/a%20b.html".
std::string DocumentAddress(const std::string& text, const std::string& program_folder);

// DocumentAddress with the running program's data folder (DataFolder).
std::string ProgramDocumentAddress(const std::string& text);

}  // namespace kalvest
