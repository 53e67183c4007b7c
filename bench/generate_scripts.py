#!/usr/bin/env python3
"""Writes the three scripts of a large velb-batch job: old_en.rc, old_zh.rc and new_en.rc.

Each holds about 1,000,000 lines and 20,000 dialogs (about 50 MB) in CR LF lines, framed by the
head and tail a resource editor writes: TEXTINCLUDE and MENU blocks whose column-0 END lines close
no dialog, then STRINGTABLE blocks. The old Chinese script has the old English dialogs' names with
Chinese captions and texts in code page 950; the new English script keeps most old dialogs
unchanged, drops some, adds some and edits some the ways a new release does: resized, some
controls moved, a control added, one string or the caption reworded or touched up, with most of
their strings left as they were. Matching, and carrying a changed dialog string by string, so
meet every case at scale.
A fixed seed makes every run write the same bytes, so figures from different days compare.

Usage: generate_scripts.py [DIRECTORY]   (default: the data folder beside this file)
"""

import argparse
import pathlib
import random

SEED = 950
DIALOG_COUNT = 20_000
MENU_COUNT = 600
STRING_BLOCK_COUNT = 1_600
# Fates of the old dialogs in the new script; as many new dialogs as removed ones keep the count.
UNCHANGED, CHANGED = 0.80, 0.16
EDITS = ("resized", "moved", "added", "string", "caption")
# Kinds of control whose statement holds a string, and the touches that edit only around its words.
TEXT_KINDS = {"LTEXT": ("colon", "case"), "PUSHBUTTON": ("ellipsis", "key"), "CHECKBOX": ("key", "case"),
              "GROUPBOX": ("case", "period")}

WORDS = ("file edit view help open save close print font size color format tool window add delete copy paste "
         "cut select find replace next previous finish version about user password server network status error "
         "message warning name path folder backup option setting search record table field report page line "
         "column row text image sound device printer driver update download upload account group member list "
         "detail summary start stop pause resume connect disconnect import export level mode range value").split()
# Common Traditional characters; every one is a double-byte pair in code page 950, some with a trail
# byte in the ASCII range (許 is B3 5C), as real Big5 scripts have.
HANZI = ("檔案編輯檢視說明確定取消選項設定名稱路徑搜尋下一步完成開啟儲存關閉列印字型大小顏色格式工具視窗新增刪除複製"
         "貼上剪全部選取尋找代目前版本資訊關於使用者密碼登入出連線伺服器網狀態錯誤訊息警告資料夾備份記錄表欄位報告頁行"
         "列文字影像聲音裝置印表機驅動程式更載帳戶群組成員清單詳細摘要開始停止暫繼續匯功許蓋")

# Mostly the short statements; a few long CONTROL lines as list views bring them.
CONTROL_KINDS = ("LTEXT", "EDITTEXT", "PUSHBUTTON", "CHECKBOX", "GROUPBOX", "COMBOBOX", "LIST")
CONTROL_WEIGHTS = (5, 3, 3, 2, 1, 1, 1)
DIALOG_STYLE = "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU"
DIALOG_FONT = 'FONT 9, "MS Sans Serif"'


class Language:
    """Renders a phrase, a list of words, in one language; an accelerator goes where its writers put it."""

    def __init__(self, chinese_words=None):
        self.chinese_words = chinese_words

    def say(self, words, accelerator=False, touch=None):
        """The phrase; an English one with a touch, an edit around its words, as a new release makes."""
        if self.chinese_words is None:
            text = " ".join(words).capitalize()
            if touch == "case":
                text = text.title()
            text = text + ("..." if touch == "ellipsis" else "." if touch == "period" else "")
            if accelerator and touch == "key" and len(text) > 1:
                return text[0] + "&" + text[1:]
            return "&" + text if accelerator else text
        text = "".join(self.chinese_words[word] for word in words)
        return f"{text}(&{words[0][0].upper()})" if accelerator else text


def phrase(rng, most=3):
    return tuple(rng.choice(WORDS) for _ in range(rng.randint(1, most)))


def make_control(rng, number):
    """A control: kind, words, number, rectangle and touch (see Language.say), none at first."""
    kind = rng.choices(CONTROL_KINDS, CONTROL_WEIGHTS)[0]
    rect = (rng.randint(4, 200), rng.randint(4, 200), rng.randint(8, 150), rng.choice((8, 10, 12, 14)))
    return kind, phrase(rng, 2), number, rect, None


def render_control(control, language):
    kind, words, number, rect, touch = control
    at = ",".join(map(str, rect))
    if kind == "LTEXT":
        colon = "" if touch == "colon" else ":"
        return f'    LTEXT           "{language.say(words, touch=touch)}{colon}",IDC_STATIC,{at}'
    if kind == "EDITTEXT":
        return f"    EDITTEXT        IDC_EDIT{number},{at}"
    if kind == "PUSHBUTTON":
        return f'    PUSHBUTTON      "{language.say(words, True, touch)}",IDC_BUTTON{number},{at}'
    if kind == "CHECKBOX":
        return f'    CHECKBOX        "{language.say(words, True, touch)}",IDC_CHECK{number},{at}'
    if kind == "GROUPBOX":
        return f'    GROUPBOX        "{language.say(words, touch=touch)}",IDC_STATIC,{at}'
    if kind == "COMBOBOX":
        return f"    COMBOBOX        IDC_COMBO{number},{at},CBS_DROPDOWNLIST"
    return f'    CONTROL         "",IDC_LIST{number},"SysListView32",LVS_REPORT | WS_BORDER | WS_TABSTOP,{at}'


def make_dialog(rng, number):
    name = f"IDD_{rng.choice(WORDS).upper()}_{number:05d}"
    size = (rng.randint(120, 400), rng.randint(40, 300))
    controls = [make_control(rng, k) for k in range(rng.randint(8, 72))]
    return {"name": name, "size": size, "caption": phrase(rng), "controls": controls}


def render_dialog(dialog, language):
    width, height = dialog["size"]
    lines = [f"{dialog['name']} DIALOG FIXED IMPURE  0, 0, {width}, {height}", DIALOG_STYLE,
             f'CAPTION "{language.say(dialog["caption"])}"', DIALOG_FONT, "BEGIN"]
    lines += [render_control(control, language) for control in dialog["controls"]]
    lines += [f'    DEFPUSHBUTTON   "{language.say(("ok",))}",IDOK,{width - 57},{height - 21},50,14', "END", ""]
    return lines


def moved(rng, control):
    """The control moved or resized; its string stays."""
    kind, words, number, (x, y, width, height), touch = control
    if rng.random() < 0.5:
        return kind, words, number, (x + rng.choice((-6, -2, 2, 6)), y + rng.choice((0, 4)), width, height), touch
    return kind, words, number, (x, y, width + rng.choice((-10, 10, 20)), height), touch


def edited_string(rng, control):
    """The control's string reworded, or touched up only around its words."""
    kind, words, number, rect, _ = control
    if rng.random() < 0.5:
        return kind, words, number, rect, rng.choice(TEXT_KINDS[kind])
    at = rng.randrange(len(words))
    word = rng.choice([other for other in WORDS if other != words[at]])
    return kind, words[:at] + (word,) + words[at + 1:], number, rect, None


def changed_copy(rng, dialog):
    """The dialog as a new release edits it, with most of its strings left as they were."""
    copy = dict(dialog, controls=list(dialog["controls"]))
    controls = copy["controls"]
    with_text = [k for k, control in enumerate(controls) if control[0] in TEXT_KINDS]
    edit = rng.choice(EDITS)
    if edit == "resized":
        copy["size"] = (dialog["size"][0] + 20, dialog["size"][1])
    elif edit == "moved":
        for k in rng.sample(range(len(controls)), rng.randint(1, max(1, len(controls) // 4))):
            controls[k] = moved(rng, controls[k])
    elif edit == "added":
        controls.insert(rng.randrange(len(controls) + 1), make_control(rng, 99))
    elif edit == "string" and with_text:
        k = rng.choice(with_text)
        controls[k] = edited_string(rng, controls[k])
    else:
        copy["caption"] = dialog["caption"] + ("new",)
    return copy


def new_dialogs(rng, old):
    """The new release's dialog list: old dialogs kept, edited or dropped, and new ones in between."""
    result = []
    removed = 0
    for dialog in old:
        fate = rng.random()
        if fate < UNCHANGED:
            result.append(dialog)
        elif fate < UNCHANGED + CHANGED:
            result.append(changed_copy(rng, dialog))
        else:
            removed += 1
    for number in range(DIALOG_COUNT, DIALOG_COUNT + removed):
        result.insert(rng.randrange(len(result) + 1), make_dialog(rng, number))
    return result


def render_head(menus, language, chinese):
    lines = ["// Microsoft Visual C++ generated resource script.", "//", '#include "resource.h"', "",
             "#define APSTUDIO_READONLY_SYMBOLS", '#include "afxres.h"', "#undef APSTUDIO_READONLY_SYMBOLS", "",
             "LANGUAGE LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL" if chinese
             else "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US",
             f"#pragma code_page({950 if chinese else 1252})", "", "#ifdef APSTUDIO_INVOKED"]
    for number, content in ((1, ['"resource.h\\0"']), (2, ['"#include ""afxres.h""\\r\\n"', '"\\0"']),
                            (3, ['"\\r\\n"', '"\\0"'])):
        lines += [f"{number} TEXTINCLUDE DISCARDABLE", "BEGIN"] + ["    " + text for text in content] + ["END", ""]
    lines += ["#endif    // APSTUDIO_INVOKED", "", 'IDR_MAINFRAME ICON DISCARDABLE "res\\\\app.ico"', ""]
    for number, popups in enumerate(menus):
        lines += [f"IDR_MENU_{number:04d} MENU DISCARDABLE", "BEGIN"]
        for title, items in popups:
            lines += [f'    POPUP "{language.say(title, True)}"', "    BEGIN"]
            for item in items:
                if not item:
                    lines.append("        MENUITEM SEPARATOR")
                    continue
                entry = f'"{language.say(item, True)}",'
                lines.append(f"        MENUITEM {entry:<28}ID_{'_'.join(item).upper()}")
            lines.append("    END")
        lines += ["END", ""]
    return lines + ["/" * 77, "//", "// Dialog", "//", ""]


def render_tail(strings, language):
    lines = ["/" * 77, "//", "// String Table", "//", ""]
    for block in range(0, len(strings), 16):
        lines += ["STRINGTABLE DISCARDABLE", "BEGIN"]
        for number in range(block, min(block + 16, len(strings))):
            lines.append(f'    IDS_STRING_{number:05d}       "{language.say(strings[number])}"')
        lines += ["END", ""]
    return lines + ["#endif", ""]


def write_script(path, head, dialogs, tail, language):
    with open(path, "wb") as out:
        out.write("\r\n".join(head).encode("cp950") + b"\r\n")
        for dialog in dialogs:
            out.write("\r\n".join(render_dialog(dialog, language)).encode("cp950") + b"\r\n")
        out.write("\r\n".join(tail).encode("cp950"))


def main():
    default = pathlib.Path(__file__).resolve().parent / "data"
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("directory", nargs="?", type=pathlib.Path, default=default)
    directory = parser.parse_args().directory
    directory.mkdir(parents=True, exist_ok=True)

    rng = random.Random(SEED)
    english = Language()
    chinese = Language({word: "".join(rng.sample(HANZI, 2)) for word in WORDS + ["ok"]})
    menus = [[(phrase(rng, 1), [phrase(rng, 2) if rng.random() > 0.1 else () for _ in range(rng.randint(3, 12))])
              for _ in range(rng.randint(1, 5))] for _ in range(MENU_COUNT)]
    strings = [phrase(rng, 6) for _ in range(STRING_BLOCK_COUNT * 16)]
    old = [make_dialog(rng, number) for number in range(DIALOG_COUNT)]
    new = new_dialogs(rng, old)

    for name, language, dialogs in (("old_en.rc", english, old), ("old_zh.rc", chinese, old),
                                    ("new_en.rc", english, new)):
        head = render_head(menus, language, language is chinese)
        write_script(directory / name, head, dialogs, render_tail(strings, language), language)


if __name__ == "__main__":
    main()
