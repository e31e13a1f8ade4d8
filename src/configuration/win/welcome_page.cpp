// The Welcome page: a bold greeting and three help buttons.
#include <windows.h>

#include "base/win/fonts.h"
#include "base/win/help.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/sheet_page.h"
#include "resources/resource.h"

namespace {

const char* const WelcomeHelpPage = "configure.html";
const char* const HowToUsePage = "howto.html";
const char* const QuestionsPage = "faq-fr.html";

ControlFont welcomeTextFont;

BOOL onInitDialog(HWND page)
{
    HWND text = GetDlgItem(page, IDC_WELCOME_TEXT);
    welcomeTextFont.lend(text, fontVariant(fontOf(text), BoldWeight, false), true);
    return FALSE;
}

void onDestroy(HWND)
{
    welcomeTextFont.restore();
}

// A help button opens its document and closes the sheet as OK would.
void openDocumentAndClose(HWND page, const char* document)
{
    openHelp(document);
    PostMessageA(GetParent(page), PSM_PRESSBUTTON, PSBTN_OK, 0);
}

void onCommand(HWND page, int id, HWND, UINT notification)
{
    if (notification != BN_CLICKED)
        return;
    switch (id) {
    case IDC_WELCOME_HOW_TO_CONFIGURE:
        openDocumentAndClose(page, WelcomeHelpPage);
        break;
    case IDC_WELCOME_HOW_TO_USE:
        openDocumentAndClose(page, HowToUsePage);
        break;
    case IDC_WELCOME_FAQ:
        openDocumentAndClose(page, QuestionsPage);
        break;
    }
}

} // namespace

const SheetPage WelcomePage = {onInitDialog, onCommand, nullptr, WelcomeHelpPage, nullptr, onDestroy};
