// The tool tips of the main window's two link labels, which say where a
// click leads: to a web site or page by its address, or to a document
// installed with the program, which opens in the web browser too.
#pragma once

#include <string>

namespace kalvest {

// The host of a web address ("www.orvanth.example" of
// "https://www.orvanth.example/kalvest"); empty for a file path, a "file:"
// address and any address without a host.
std::string WebAddressHost(const std::string& text);

// True when the link text names a document beside the program: a file
// path, or a "file:" address.
bool IsInstalledDocument(const std::string& text);

// For the "Orvanth Systems" label and its link text (program text 14):
// "Click here for the Orvanth Systems website at www.orvanth.example." for
// a web address, a sentence about the installed page for a document.
std::string SiteLinkToolTip(const std::string& text);

// For the "Online user manual" label and its link text (program text 15):
// "Click here for the online user manual at https://...." for a web
// address, a sentence about the installed manual for a document.
std::string ManualLinkToolTip(const std::string& text);

}  // namespace kalvest
