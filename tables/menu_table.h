#pragma once

#include <array>
#include <span>

namespace orvane {

// What a menu entry does; the window and the page each bind these to their
// own handlers.
enum class MenuCommand { Separator, Exit, CopyExpression, CopyAnswer, About };

// An entry's object name, its caption with the access key after '&', and its
// command; a separator has no caption.
struct MenuItemRow {
    const char* name;
    const char16_t* caption;
    MenuCommand command;
};

struct MenuRow {
    const char* name;
    const char16_t* caption;
    std::span<const MenuItemRow> items;
};

// The separator opens the file menu, above its only command.
inline constexpr MenuItemRow kFileItems[] = {
    {"mnuSikiri", nullptr, MenuCommand::Separator},
    {"mnuEnd", u"終了(&X)", MenuCommand::Exit},
};
inline constexpr MenuItemRow kEditItems[] = {
    {"mnuSikicopy", u"式をコピー(&C)", MenuCommand::CopyExpression},
    {"mnuKotaecopy", u"答えをコピー(&D)", MenuCommand::CopyAnswer},
};
inline constexpr MenuItemRow kHelpItems[] = {
    {"mnuVarjyon", u"バージョン情報(&A)", MenuCommand::About},
};

// The menu bar, left to right.
inline constexpr std::array<MenuRow, 3> kMenus = {{
    {"mnuFail", u"ファイル(&F)", kFileItems},
    {"mnuHnensyuu", u"編集(&E)", kEditItems},
    {"mnuHelp", u"ヘルプ(&H)", kHelpItems},
}};

}  // namespace orvane
