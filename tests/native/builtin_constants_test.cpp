// The built-in English message constants: the table that the build makes
// from src/l10n/constants_en.txt holds exactly the 175 constants the program
// uses, and every text the program's windows quote comes out of it character
// for character.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cwchar>
#include <span>
#include <string>
#include <vector>

#include "l10n/builtin_constants.h"
#include "l10n/dklang_constants.h"

namespace {

zt::TDKLang_Constants LoadBuiltinTable() {
  zt::TDKLang_Constants table;
  table.LoadFromStream(zt::BuiltinConstantsStream());
  return table;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The names of the constants, in their sorted order (written out here, not
// taken from constants_en.txt).
const std::vector<std::wstring>& ConstantNames() {
  // clang-format off
  static const std::vector<std::wstring> names = {
      L"ADDINFO", L"ADMINWARN", L"ADMIN_WARNING", L"ADV", L"ADV_DESC", L"BAD_EXT", L"CHOOSE_PROGRAM",
      L"CLOSENONRESP", L"CMBTN_ADD", L"CMBTN_CANCEL", L"CMBTN_EDIT", L"CMDHINT", L"CMFWARN", L"CM_OPEN",
      L"CONSHINT", L"CURRENT_OS_NOT_SUPPORTED", L"DELETE_KEY", L"DELETE_VALUE", L"DEL_DONE", L"DEL_UNDONE",
      L"DESKTOP_SEP_TASKBAR", L"DESKTOP_SEP_TASKBAR_DESC", L"DEVHINT", L"DONE", L"D_EXPANDT", L"D_FOOTER",
      L"D_TEXT", L"D_VERTXT", L"D_WELCOME", L"D_WLCMTOZT", L"EDIT_STARTUP", L"EDIT_UNINST", L"ELS",
      L"ENTER_EXT", L"ENTER_NEW_CMD", L"ENTER_NEW_ENTRY", L"EREBOOT", L"ERR", L"ERR_DEL_KEY",
      L"ERR_DEL_VALUE", L"ERR_LOAD_LOGO", L"ERR_LOAD_MSG", L"ERR_READ", L"ERR_WRITE", L"EXPRDESC", L"FIND",
      L"FOLDER_WINDOWS_SEP", L"FOLDER_WINDOWS_SEP_DESC", L"FULL_LOG_NAME", L"GODFOLDERNAME", L"IDEWARN",
      L"IN_KEY", L"ITEM_TEMP_OFF", L"JUMPLST", L"JUMPLSTOFF", L"KEYHINT", L"LangCHANGE", L"LangCHANGE_DESC",
      L"LangTTL", L"LINK_CREATED", L"LINK_DEL_DESKTOP", L"LINK_DEL_STARTMENU", L"LINK_DONE",
      L"LINK_DONE_STARTMENU", L"LINK_N", L"LINK_NOT_CREATED", L"LISTSTART", L"LOAD_COMPLETE",
      L"LOAD_REG_PARAMS", L"LOGO_SET", L"MBWORD", L"MOVE_DONE", L"MOVE_UNDONE", L"MUSICEXT", L"NETCONN",
      L"NEW_ITEM", L"NEW_RECORD", L"NEW_STARTUP_ITEM", L"NO_BIN_VALUE", L"NO_CONTEXT_MENU_ITEMS",
      L"NO_DWORD_VALUE", L"NO_KEY", L"NO_REGSZ_VALUE", L"NO_SUBKEY", L"NO_VALUE",
      L"ONE_COPY_ALREADY_RUNNING", L"OPERATION_DONE", L"OWN_EXT", L"PATH", L"PATHCORRECT", L"PATHNOCORRECT",
      L"PROD", L"PROGLIST", L"PROGRAM_NOT_START", L"PROGRAM_ONLY_FOR_XPVISTA7", L"PROGR_EXITING", L"PROPS",
      L"PUBL", L"PUSHWARN", L"PUSK_BLOCK", L"PUSK_HIBER", L"PUSK_LOGOFF", L"PUSK_RELOAD", L"PUSK_SHUTDWN",
      L"PUSK_SLEEP", L"PUSK_SWITCH", L"REBDESC", L"REBHINT", L"REDUCED_LOG_NAME", L"REG_CHANGES",
      L"RELEXPHINT", L"REMSAFETY", L"RESTAPPWARN", L"RESTAPP_ENABLED_LIST", L"RESTAPP_LIST",
      L"RESTOREPOINT_COMPLETE", L"RESTOREPOINT_ERROR", L"RUNAS", L"SEARCHHINT", L"SEARCH_COMPLETE",
      L"SET_BIN_VALUE", L"SET_DWORD_VALUE", L"SET_LOGO_PIC", L"SET_REGSZ_VALUE", L"SET_SZEXP_VALUE",
      L"SIZEWORD", L"SRCH", L"STARTUPS", L"SUMMARY_ITEMS", L"TAKEOWNERSHIP", L"TD_CHANGES_TITLE",
      L"TD_DEL_DESC", L"TD_DEL_REC", L"TD_DEL_RECORD", L"TD_NO_STORE", L"TD_REBOOT_DESC", L"TD_REBOOT_TEXT",
      L"TD_REBOOT_TITLE", L"TD_RELOAD_DESC", L"TD_RELOAD_TEXT", L"TD_SAVE_CHANGES", L"TD_SAVE_ONCLOSE",
      L"TD_STORE", L"TD_UNINST_DESC", L"TD_UNINST_TEXT", L"TD_UNINST_TITLE", L"TD_ZT_NO_STORE",
      L"TEMP_OFF_ITEMS", L"UACCSTHINT", L"UACWARN", L"UACWARN_DESC", L"UNDONE", L"UNKNWN", L"UNLOAD_DLL",
      L"UNLOAD_DLL_DESC", L"UNSAFESET", L"USERN", L"VERSION_WORD", L"VIDEOEXT", L"VISTA_GETSTART",
      L"VISTA_GETSTART_DESC", L"VISTA_GETSTART_SHOW", L"VISTA_START", L"VISTA_TASKBAR_BTNS",
      L"VORA_ALREADY_RUNNING", L"WARNPAGE", L"WELCOME_SCREEN_LAYOUT", L"WIN7_START", L"WIN7_WTIMEKILLSERV",
      L"WREBOOT", L"WTIMEKILLAPP", L"WTIMEKILLSERV", L"WTIMEPROGRAMHANGS", L"ZTDESC", L"ZTHELP",
  };
  // clang-format on
  return names;
}

struct QuotedText {
  const wchar_t* name;
  const wchar_t* text;
};

// Every quoted text, under the first area that shows it. A text known only
// from a composed English message is the piece of that message that the
// constant supplies (for instance LISTSTART + " ["
// + n + " " + ELS + "]" is "Autostart list [12 items]"). Line breaks are
// CR LF; "two sentences separated by an empty line" is CR LF CR LF. Not
// here: ADV and ADV_DESC (the announcement balloon, our own texts) and
// ERR_LOAD_MSG (shown nowhere).
const QuotedText kQuotedTexts[] = {
    // Program start
    {L"CURRENT_OS_NOT_SUPPORTED", L"Current Windows version is not supported"},
    {L"PROGRAM_NOT_START", L"Unable to start the program on the current operating system."},
    {L"PROGRAM_ONLY_FOR_XPVISTA7", L"The program is intended only for Windows Vista and Windows 7."},
    // Main window
    {L"CMBTN_ADD", L"Add..."},
    {L"CMBTN_EDIT", L"Change"},
    {L"FULL_LOG_NAME", L"log_"},
    {L"LOAD_COMPLETE", L"Loading registry parameters... done."},
    {L"LOAD_REG_PARAMS", L"Loading registry parameters..."},
    {L"MUSICEXT", L"Music"},
    {L"OWN_EXT", L"Own extension"},
    {L"PROGR_EXITING", L"Program exiting on"},
    {L"PUSK_BLOCK", L"Lock"},
    {L"PUSK_HIBER", L"Hibernate"},
    {L"PUSK_LOGOFF", L"Log off"},
    {L"PUSK_RELOAD", L"Restart"},
    {L"PUSK_SHUTDWN", L"Shut down"},
    {L"PUSK_SLEEP", L"Sleep"},
    {L"PUSK_SWITCH", L"Switch user"},
    {L"REDUCED_LOG_NAME", L"log_changes_only_"},
    {L"REG_CHANGES", L"Registering changes in registry..."},
    {L"TD_CHANGES_TITLE", L"Apply changes"},
    {L"TD_REBOOT_TITLE", L"Restart required"},
    {L"TD_RELOAD_DESC", L"The part of changed settings will take effect immediately after Explorer restart."},
    {L"TD_RELOAD_TEXT", L"Would you like to restart Explorer now?"},
    {L"TD_SAVE_CHANGES", L"Do you want to apply changed settings?"},
    {L"TD_SAVE_ONCLOSE", L"Program is closing but changed settings are not applied."},
    {L"USERN", L"User:"},
    {L"VERSION_WORD", L"Version:"},
    {L"VIDEOEXT", L"Video"},
    // Change flags, markers and Apply
    {L"EDIT_STARTUP", L"Startup Manager"},
    {L"EDIT_UNINST", L"Installed programs"},
    {L"REBHINT",
     L"The part of changed settings will take effect only after Windows restart.\r\nClick this icon to open "
     L"reboot dialog."},
    {L"RELEXPHINT",
     L"The part of changed settings will take effect immediately after Explorer restart.\r\nClick this icon "
     L"to immediately restart Explorer."},
    {L"TD_REBOOT_DESC", L"Windows must be restarted for all changes to take effect."},
    {L"TD_REBOOT_TEXT", L"Would you like to restart system now?"},
    {L"VISTA_START", L"Program started on Windows Vista"},
    {L"WIN7_START", L"Program started on Windows 7"},
    // Program settings page
    {L"LangCHANGE", L"Interface language change"},
    {L"LangCHANGE_DESC", L"Language change takes effect upon restarting Zentory."},
    {L"LangTTL", L"Language"},
    // Assistant hints
    {L"ADDINFO", L"Additional information about this setting"},
    {L"ADMINWARN",
     L"Enabling built-in Administrator account will get rid of all the inconvenient operations in Windows "
     L"(for example UAC), but also reduce system security."},
    {L"ADMIN_WARNING", L"Enabling built-in Administrator account reduces system security"},
    {L"CLOSENONRESP",
     L"Enable user processes end automatically when the user either logs off or shuts down Windows."},
    {L"CMDHINT",
     L"The item \"Open Command Prompt Here\" allows to open the command prompt in the selected location."},
    {L"CMFWARN",
     L"On the tab \"File Context Menu\" cancellation of changes is impossible. It is recommended to create "
     L"System Restore Piont."},
    {L"CONSHINT", L"If you select the line starting with \"HKEY\" the menu \"Jump To...\" will open."},
    {L"DESKTOP_SEP_TASKBAR", L"The Desktop and Taskbar run in a separate process"},
    {L"DESKTOP_SEP_TASKBAR_DESC",
     L"All instances of Windows Explorer run in one process and the Desktop and Taskbar run in a separate "
     L"process. Both processes are called Explorer.exe. When enabled, this setting insulating Desktop and "
     L"Taskbar from failures in other Explorer instances."},
    {L"DEVHINT", L"Developer's Hint"},
    {L"EREBOOT", L"You may simply restart Explorer"},
    {L"EXPRDESC", L"The part of changed settings will take effect immediately after Explorer restart."},
    {L"FOLDER_WINDOWS_SEP", L"Each folder window is launched as a separate explorer task"},
    {L"FOLDER_WINDOWS_SEP_DESC",
     L"The benefit of this method is that if one window has an error and crashes, the other should not be "
     L"affected. The disadvantage is that it takes more system resources for each folder."},
    {L"IDEWARN",
     L"You need to disable this setting if you install new IDE drives or change your drive interface."},
    {L"JUMPLST", L"Jump Lists also will not be stored and displayed"},
    {L"JUMPLSTOFF",
     L"Note that the contents of Jump Lists depends on the contents of recently opened files and documents."},
    {L"KEYHINT",
     L"The keyboard layout and display language for the Welcome screen are updated when you copy your "
     L"settings to the reserved (system) accounts."},
    {L"PUSHWARN", L"This setting also switch-off displaying a list of recently opening programs."},
    {L"REBDESC", L"You must restart your computer for all changes to take effect."},
    {L"RESTAPPWARN",
     L"The prohibition of start for all applications is fraught with impossibility of loading the important "
     L"Windows components."},
    {L"SEARCHHINT", L"Use search field for fast finding of the necessary program in the list."},
    {L"UACCSTHINT",
     L"If security level \"Silent\" is installed, you will not see the elevation prompt, but all programs "
     L"will be started without administrator priviledges!"},
    {L"UACWARN", L"You are about to deactivate the User Account Control"},
    {L"UACWARN_DESC",
     L"The User Account Control can contribute to prevent unauthorized changes being made to the computer. "
     L"When the User Account Control is turned off, your computer will be more vulnerable to viruses and "
     L"other harmful software."},
    {L"UNLOAD_DLL", L"Force DLLs (Dynamic-Link Libraries) unload from memory"},
    {L"UNLOAD_DLL_DESC",
     L"Windows Explorer caches DLLs in memory for a period of time after the application using them has been "
     L"closed. This can be an inefficient use of memory, and may cause problems or delays for programmers "
     L"developing with Windows DLL files."},
    {L"UNSAFESET", L"The unsafe setting is installed"},
    {L"WARNPAGE", L"Be careful!"},
    {L"WELCOME_SCREEN_LAYOUT", L"Changing the keyboard layout on the Welcome screen"},
    {L"WIN7_WTIMEKILLSERV",
     L"Control how long the system waits for services to stop, after notifying the service that the system "
     L"is shutting down.\r\n\r\nBy default 12 seconds."},
    {L"WREBOOT", L"Complete Windows restart is required"},
    {L"WTIMEKILLAPP",
     L"Control how long the system waits for user processes to end, after the user attempts to log off or to "
     L"shut down Windows.\r\n\r\nBy default 20 seconds."},
    {L"WTIMEKILLSERV",
     L"Control how long the system waits for services to stop, after notifying the service that the system "
     L"is shutting down.\r\n\r\nBy default 20 seconds."},
    {L"WTIMEPROGRAMHANGS",
     L"Control how long the system waits for user processes to end non-responding processes.\r\n\r\nBy "
     L"default 5 seconds."},
    {L"ZTDESC",
     L"It will sometimes explain the purpose of some parametres, to specify in possible undesirable "
     L"consequences and to give other helpful information."},
    {L"ZTHELP", L"Zentory Developer Edition Assistant"},
    // Logged registry access
    {L"DELETE_KEY", L"delete key:"},
    {L"DELETE_VALUE", L"delete value"},
    {L"ERR_DEL_KEY", L"error deleting key:"},
    {L"ERR_DEL_VALUE", L"error deleting value:"},
    {L"ERR_READ", L"read error"},
    {L"ERR_WRITE", L"write error"},
    {L"IN_KEY", L"in key"},
    {L"NO_BIN_VALUE", L"no REG_BINARY value"},
    {L"NO_DWORD_VALUE", L"no REG_DWORD value"},
    {L"NO_KEY", L"no key:"},
    {L"NO_REGSZ_VALUE", L"no REG_SZ value"},
    {L"NO_VALUE", L"no value"},
    {L"SET_BIN_VALUE", L"set REG_BINARY value"},
    {L"SET_DWORD_VALUE", L"set REG_DWORD value"},
    {L"SET_REGSZ_VALUE", L"set REG_SZ value"},
    {L"SET_SZEXP_VALUE", L"set REG_EXPAND_ SZ value"},
    // Task dialog prompt
    {L"TD_DEL_DESC",
     L"You can temporarily disable entry, having deselected check box opposite to it. If you wish to delete "
     L"entry, press \"Yes\" button."},
    {L"TD_DEL_REC", L"Remove startup item"},
    {L"TD_DEL_RECORD", L"Are you sure you want to remove this startup item?"},
    {L"TD_NO_STORE", L"It is impossible to open file location."},
    {L"TD_STORE", L"File Location"},
    {L"TD_UNINST_DESC",
     L"If you remove this entry from the list, you cannot uninstall it from the control panel."},
    {L"TD_UNINST_TEXT", L"Are you sure you want to remove this uninstall entry?"},
    {L"TD_UNINST_TITLE", L"Remove uninstall entry"},
    {L"TD_ZT_NO_STORE", L"Zentory cannot find location of the selected file."},
    // Shell file operations and shortcuts
    {L"DEL_DONE", L"Object is successfully deleted"},
    {L"DEL_UNDONE", L"Unable to delete object"},
    {L"ERR", L"Error"},
    {L"LINK_CREATED", L"Shortcut created"},
    {L"LINK_NOT_CREATED", L"Unable to create shortcut"},
    {L"MOVE_DONE", L"Object is successfully moved"},
    {L"MOVE_UNDONE", L"Unable to move object"},
    {L"OPERATION_DONE", L"Operation completed"},
    // Files and disks page
    {L"LINK_DONE", L"created on Desktop successfully."},
    {L"LINK_N", L"Shortcut"},
    {L"REMSAFETY", L"Safely Remove Hardware"},
    // Restrictions page
    {L"RESTAPP_ENABLED_LIST", L"Applications that can run"},
    {L"RESTAPP_LIST", L"Restricted applications list"},
    // Visual effects page
    {L"VISTA_TASKBAR_BTNS", L"Slide Taskbar buttons"},
    // Menu operations, network and Internet Explorer pages
    {L"NETCONN", L"Network Connections"},
    {L"TAKEOWNERSHIP", L"Take Ownership"},
    // Folder context menu editor
    {L"CMBTN_CANCEL", L"Cancel"},
    {L"ENTER_NEW_CMD", L"Enter the command line (target)"},
    {L"ENTER_NEW_ENTRY", L"Enter the name of the new item"},
    {L"FIND", L"Find..."},
    // File context menu editor
    {L"BAD_EXT", L"Unregistered extension"},
    {L"CM_OPEN", L"Open"},
    {L"ENTER_EXT", L"Enter the extension"},
    {L"NO_CONTEXT_MENU_ITEMS", L"There are no editable items of the context menu. You can add a new item."},
    {L"RUNAS", L"Run as administrator"},
    {L"SEARCH_COMPLETE", L"Search completed"},
    // Startup entries
    {L"CHOOSE_PROGRAM", L"Select a program from the list"},
    {L"ELS", L"items"},
    {L"LISTSTART", L"Autostart list"},
    {L"PATH", L"Path"},
    {L"SUMMARY_ITEMS", L"Total startup items:"},
    {L"TEMP_OFF_ITEMS", L"Items are temporarily turned off:"},
    {L"UNKNWN", L"Unknown"},
    // Startup list operations
    {L"ITEM_TEMP_OFF", L"[turned off]"},
    {L"NEW_ITEM", L"New item"},
    {L"NEW_RECORD", L"New entry"},
    {L"NEW_STARTUP_ITEM", L"New startup item"},
    {L"PATHCORRECT", L"Absolute path"},
    {L"PATHNOCORRECT", L"Relative or incorrect path"},
    {L"PROD", L"Product:"},
    {L"PROPS", L"Properties"},
    {L"PUBL", L"Publisher:"},
    {L"STARTUPS", L"[startup]"},
    // Uninstall manager
    {L"MBWORD", L"MB"},
    {L"PROGLIST", L"Installed programs list"},
    {L"SIZEWORD", L"Size"},
    {L"SRCH", L"Search"},
    // Restore points
    {L"DONE", L"Operation completed"},
    {L"D_EXPANDT", L"You can use restore points to undo unwanted system changes."},
    {L"D_FOOTER", L"Open <a href=\"\">System Protection</a> in Control Panel"},
    {L"D_TEXT",
     L"You have started the program making operations over the registry.\r\nStrongly recommended to create a "
     L"system restore point."},
    {L"D_VERTXT", L"Show this dialog at startup"},
    {L"D_WELCOME", L"Welcome"},
    {L"D_WLCMTOZT", L"Welcome to Zentory"},
    {L"RESTOREPOINT_COMPLETE", L"The restore point was created successfully."},
    {L"RESTOREPOINT_ERROR", L"Failed to create System restore point!"},
    {L"UNDONE", L"Operation not completed"},
    // Shortcuts and master control panel
    {L"GODFOLDERNAME", L"Windows Master Control Panel"},
    {L"LINK_DEL_DESKTOP", L"deleted on Desktop."},
    {L"LINK_DEL_STARTMENU", L"deleted on Start Menu."},
    {L"LINK_DONE_STARTMENU", L"created on Start Menu successfully."},
    // Texts shown by no code, and Vista captions
    {L"ERR_LOAD_LOGO", L"error set logo..."},
    {L"LOGO_SET", L"set logo..."},
    {L"NO_SUBKEY", L"Not found subkeys in key:"},
    {L"ONE_COPY_ALREADY_RUNNING", L"One copy of the program is already started.."},
    {L"SET_LOGO_PIC", L"set"},
    {L"VISTA_GETSTART", L"Welcome Center"},
    {L"VISTA_GETSTART_DESC",
     L"Specify whether you want the Welcome Center to be launched in the first steps after the user logs "
     L"on."},
    {L"VISTA_GETSTART_SHOW", L"Show Welcome Center at startup"},
    {L"VORA_ALREADY_RUNNING", L"Zentory"},
};

}  // namespace

TEST(BuiltinConstants, HoldsExactlyThe175NamesOfPart83) {
  const auto table = LoadBuiltinTable();
  const auto& names = ConstantNames();
  ASSERT_EQ(names.size(), 175u);
  EXPECT_EQ(table.Count(), 175);
  for (const auto& name : names) {
    SCOPED_TRACE(Narrow(name));
    EXPECT_NO_THROW(table.LangConst(name));
  }
  // Every entry of the table is one of the listed names, spelled the same.
  for (int i = 0; i < table.Count(); ++i) {
    const std::wstring name = table.Item(i).wsName;
    SCOPED_TRACE(Narrow(name));
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());
  }
}

TEST(BuiltinConstants, StreamIsVersion3WithFlagAndCount) {
  const std::span<const std::uint8_t> stream = zt::BuiltinConstantsStream();
  ASSERT_GE(stream.size(), 6u);
  EXPECT_EQ(stream[0], 3);
  EXPECT_EQ(stream[1], 1);
  const std::uint32_t count =
      static_cast<std::uint32_t>(stream[2]) | (static_cast<std::uint32_t>(stream[3]) << 8) |
      (static_cast<std::uint32_t>(stream[4]) << 16) | (static_cast<std::uint32_t>(stream[5]) << 24);
  EXPECT_EQ(count, 175u);
}

TEST(BuiltinConstants, QuotedTextsAreVerbatim) {
  const auto table = LoadBuiltinTable();
  for (const auto& row : kQuotedTexts) {
    const std::wstring name = row.name;
    SCOPED_TRACE(Narrow(name));
    EXPECT_EQ(table.LangConst(name), std::wstring(row.text));
  }
}

// English messages composed from several constants (console lines, list
// headers, shortcut reports, the welcome title), rebuilt the way the code
// builds them.
TEST(BuiltinConstants, ComposedEnglishMessages) {
  const auto table = LoadBuiltinTable();
  auto c = [&table](const wchar_t* name) { return table.LangConst(name); };
  EXPECT_EQ(c(L"NO_DWORD_VALUE") + L" \"ScreenSaverIsSecure\" " + c(L"IN_KEY"),
            L"no REG_DWORD value \"ScreenSaverIsSecure\" in key");
  EXPECT_EQ(c(L"LINK_N") + L" \"" + c(L"REMSAFETY") + L"\" " + c(L"LINK_DONE"),
            L"Shortcut \"Safely Remove Hardware\" created on Desktop successfully.");
  EXPECT_EQ(c(L"LINK_N") + L" \"" + c(L"NETCONN") + L"\" " + c(L"LINK_DONE"),
            L"Shortcut \"Network Connections\" created on Desktop successfully.");
  EXPECT_EQ(c(L"LINK_N") + L" \"" + c(L"GODFOLDERNAME") + L"\" " + c(L"LINK_DONE"),
            L"Shortcut \"Windows Master Control Panel\" created on Desktop successfully.");
  EXPECT_EQ(c(L"LINK_N") + L" \"" + c(L"GODFOLDERNAME") + L"\" " + c(L"LINK_DEL_STARTMENU"),
            L"Shortcut \"Windows Master Control Panel\" deleted on Start Menu.");
  EXPECT_EQ(c(L"LISTSTART") + L" [12 " + c(L"ELS") + L"]", L"Autostart list [12 items]");
  EXPECT_EQ(c(L"PROGLIST") + L" [57 " + c(L"ELS") + L"]", L"Installed programs list [57 items]");
  EXPECT_EQ(c(L"TEMP_OFF_ITEMS") + L" 2", L"Items are temporarily turned off: 2");
  EXPECT_EQ(c(L"SUMMARY_ITEMS") + L" 12", L"Total startup items: 12");
  EXPECT_EQ(c(L"PATHCORRECT") + L" " + c(L"STARTUPS"), L"Absolute path [startup]");
  EXPECT_EQ(c(L"PATHNOCORRECT") + L" " + c(L"ITEM_TEMP_OFF"), L"Relative or incorrect path [turned off]");
  EXPECT_EQ(c(L"SIZEWORD") + L": 12.5 " + c(L"MBWORD"), L"Size: 12.5 MB");
  EXPECT_EQ(c(L"D_WLCMTOZT") + L" 3.1 ", L"Welcome to Zentory 3.1 ");
}

TEST(BuiltinConstants, OwnTextsFitTheirPlaces) {
  const auto table = LoadBuiltinTable();
  for (const wchar_t* name : {L"ADV", L"ADV_DESC", L"ERR_LOAD_MSG"}) {
    SCOPED_TRACE(Narrow(name));
    EXPECT_FALSE(table.LangConst(name).empty());
  }
  // The announcement balloon: title at most 63 characters, text at most 255.
  EXPECT_LE(table.LangConst(L"ADV").size(), 63u);
  EXPECT_LE(table.LangConst(L"ADV_DESC").size(), 255u);
}
