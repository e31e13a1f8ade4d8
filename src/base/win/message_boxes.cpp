#include "base/win/message_boxes.h"

#include "base/win/texts.h"
#include "resources/resource.h"

namespace {

int showMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT buttonsAndIcon)
{
    return MessageBoxA(owner, text.c_str(), caption.c_str(), buttonsAndIcon);
}

} // namespace

bool askYesOrNo(HWND owner, const std::string& question)
{
    return showMessageBox(owner, question, loadText(IDS_MESSAGE_CAPTION), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void reportError(HWND owner, const std::string& text)
{
    showMessageBox(owner, text, loadText(IDS_MESSAGE_CAPTION), MB_OK | MB_ICONERROR);
}

void tellUser(HWND owner, const std::string& text, const std::string& caption)
{
    showMessageBox(owner, text, caption, MB_OK | MB_ICONINFORMATION);
}
