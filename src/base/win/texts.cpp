#include "base/win/texts.h"

#include "base/win/program_handles.h"

namespace {

// Longer texts are cut here, as the string table's readers always have been.
constexpr int LongestText = 512;

} // namespace

std::string loadText(UINT stringId)
{
    char text[LongestText] = "";
    LoadStringA(app.appInstance, stringId, text, LongestText);
    return text;
}
