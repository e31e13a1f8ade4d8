// Exit codes of the two installation helpers, read by the installer and the uninstaller.
#pragma once

constexpr int HelperSucceeded = 0;
constexpr int HelperFailed = 10;
