#pragma once

#include "channeldocument.h"

#include <string>
#include <vector>

// Places the printed channel list on pages of 60 equal line positions: the
// window caption at position 0 of every page, then "Comment", the sections
// "Memory Channel", "VFO", "CALL Channel" and "DTMF Memory" with one line
// per used slot. A page break is checked before every slot, used or not, and
// a section title never starts at position 58 or below the page.
namespace ChannelListLayout {

constexpr int LinesPerPage = 60;

struct Line {
    int position; // 0..59
    std::string text;
};
using Page = std::vector<Line>;

// `caption` and `comment` are printed as given (the caller decodes the
// comment); the channel lines come from the document.
std::vector<Page> Layout(const ChannelDocument& doc, const std::string& caption, const std::string& comment);

} // namespace ChannelListLayout
