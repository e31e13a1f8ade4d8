// The settings file a first run writes for two found folders, byte for byte.
#pragma once

constexpr const char* FirstRunFile =
    "\r\n"
    "// HANDS OFF - don't edit this. Use the configuration menu.\r\n"
    "// The parser is kinda picky and might choke on your modifications done here.\r\n"
    "\r\n"
    "[ScanDef]\r\n"
    "0=\"Files and folders\",\"*\",\"*.inf;*.ini;*.db\",1\r\n"
    "1=\"Files only\",\"*\",\"*.inf;*.ini;*.db\",0\r\n"
    "2=\"Applications only\",\"*.exe;*.com;*.bat;*.msc;*.ico\",\"*unins*;*unvise*\",0\r\n"
    "\r\n"
    "[Directories]\r\n"
    "\"C:\\Profiles\\User\\My Documents\\\"=0,1,0,\"Your documents\"\r\n"
    "\"C:\\Profiles\\User\\Start Menu\\\"=2,1,0,\"Your start menu\"\r\n"
    "\r\n"
    "[Global]\r\n"
    "EnableTrans=1\r\n"
    "Retry=20\r\n"
    "ShowIcons=1\r\n"
    "Transparency=200\r\n"
    "NextScanID=3\r\n"
    "GlobalScanFlags=9\r\n"
    "DialogSizeX=0\r\n"
    "DialogSizeY=0\r\n"
    "ShowExt=0\r\n"
    "FirstTimer=1\r\n"
    "Hotkey=1624\r\n";
