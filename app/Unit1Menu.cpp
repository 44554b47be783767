// The main menu, as a table: menus, items, shortcuts and enabled states. The
// items join the window's made controls, so bindControls() hands them out too.
// Every caption speaks the chosen language.
#include "app/Glyphs.h"
#include "app/Unit1.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <optional>

namespace {
struct MenuRow {
    const char* name;    // the item's name in the window
    const char* caption; // "-" makes a separator
    QKeySequence shortcut;
    bool enabled = true;
    std::optional<Glyph> icon = std::nullopt;
    bool checkable = false;
};

struct MenuTable {
    const char* name;
    const char* caption;
    std::initializer_list<MenuRow> items;
};

const MenuTable kMenus[] = {
    {"File1",
     QT_TRANSLATE_NOOP("TForm1", "ファイル(&F)"),
     {
         {"New1", QT_TRANSLATE_NOOP("TForm1", "新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N), false},
         {"N3", "-", {}},
         {"Save1", QT_TRANSLATE_NOOP("TForm1", "上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S), false},
         {"SaveAs1", QT_TRANSLATE_NOOP("TForm1", "名前を付けて保存(&A)..."), {}, false},
         {"N2", "-", {}},
         {"Print1", QT_TRANSLATE_NOOP("TForm1", "足し算のプリント印刷(&P)"),
          QKeySequence(Qt::CTRL | Qt::Key_P)},
         {"Print2", QT_TRANSLATE_NOOP("TForm1", "引き算のプリント印刷"), QKeySequence(Qt::CTRL | Qt::Key_O)},
         {"Print3", QT_TRANSLATE_NOOP("TForm1", "掛け算のプリント印刷"), QKeySequence(Qt::CTRL | Qt::Key_I)},
         {"PrintSetup1", QT_TRANSLATE_NOOP("TForm1", "ページ設定(&T)..."), {}},
         {"N1", "-", {}},
         {"Exit1", QT_TRANSLATE_NOOP("TForm1", "終了(&X)"), {}},
     }},
    {"Edit1",
     QT_TRANSLATE_NOOP("TForm1", "編集(&E)"),
     {
         {"Cut1", QT_TRANSLATE_NOOP("TForm1", "問題作成(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X)},
         {"N5", "-", {}},
         {"Find1", QT_TRANSLATE_NOOP("TForm1", "答えあわせ(&F)"), QKeySequence(Qt::Key_F2)},
         {"N4", "-", {}},
         {"N6", QT_TRANSLATE_NOOP("TForm1", "答え+"), QKeySequence(Qt::CTRL | Qt::Key_A)},
         {"N7", QT_TRANSLATE_NOOP("TForm1", "答え-"), QKeySequence(Qt::CTRL | Qt::Key_B)},
         {"N8", QT_TRANSLATE_NOOP("TForm1", "答えx"), QKeySequence(Qt::CTRL | Qt::Key_C)},
         {"N991", QT_TRANSLATE_NOOP("TForm1", "答え99"), QKeySequence(Qt::CTRL | Qt::Key_D)},
     }},
    {"N9",
     QT_TRANSLATE_NOOP("TForm1", "サウンド(&S)"),
     {
         {"Open1", QT_TRANSLATE_NOOP("TForm1", "開く  (1)"), {}, true, Glyph::Speaker},
         {"Open2", QT_TRANSLATE_NOOP("TForm1", "開く  (2)"), {}, true, Glyph::Speaker},
         {"Open3", QT_TRANSLATE_NOOP("TForm1", "開く  (3)"), {}, true, Glyph::Speaker},
         {"Open4", QT_TRANSLATE_NOOP("TForm1", "開く　(4)"), {}, true, Glyph::Speaker},
         {"Open5", QT_TRANSLATE_NOOP("TForm1", "開く　(5)"), {}, true, Glyph::Speaker},
         {"N10", "-", {}},
         {"ReadAloud1", QT_TRANSLATE_NOOP("TForm1", "問題を読み上げる"), {}, true, std::nullopt, true},
     }},
    {"Record1",
     QT_TRANSLATE_NOOP("TForm1", "記録(&R)"),
     {
         {"ShowProgress1", QT_TRANSLATE_NOOP("TForm1", "成績の記録を見る..."),
          QKeySequence(Qt::CTRL | Qt::Key_R)},
     }},
    {"Worksheet1",
     QT_TRANSLATE_NOOP("TForm1", "プリント(&W)"),
     {
         {"DifferentSheets1", QT_TRANSLATE_NOOP("TForm1", "ちがうプリントを N 枚..."), {}},
     }},
    {"Help1",
     QT_TRANSLATE_NOOP("TForm1", "ヘルプ(&H)"),
     {
         {"Contents1", QT_TRANSLATE_NOOP("TForm1", "目次(&C)"), QKeySequence(Qt::Key_F1), true, Glyph::Help},
         {"SearchforHelpOn1", QT_TRANSLATE_NOOP("TForm1", "トピックの検索(&S)..."), {}},
         {"About1", QT_TRANSLATE_NOOP("TForm1", "バージョン情報(&A)..."), {}, true, Glyph::About},
         {"N11", "-", {}},
         // Its submenu names each language in its own words (see AttachLanguages).
         {"Language1", QT_TRANSLATE_NOOP("TForm1", "言語 / Language"), {}},
     }},
};

// Every caption goes through the "TForm1" catalogue; Japanese is its source.
QString CaptionOf(const char* caption) { return QCoreApplication::translate("TForm1", caption); }
} // namespace

void TForm1::makeMenu(MadeControls& made) {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuTable& table : kMenus) {
        QMenu* menu = menuBar()->addMenu(CaptionOf(table.caption));
        menu->setObjectName(QString::fromUtf8(table.name));
        made.insert(menu->objectName(), menu);
        for (const MenuRow& row : table.items) {
            QAction* action = qstrcmp(row.caption, "-") == 0 ? menu->addSeparator()
                                                             : menu->addAction(CaptionOf(row.caption));
            action->setObjectName(QString::fromUtf8(row.name));
            Q_ASSERT_X(!made.contains(action->objectName()), row.name, "each name once in the window");
            made.insert(action->objectName(), action);
            action->setShortcut(row.shortcut);
            action->setEnabled(row.enabled);
            action->setCheckable(row.checkable);
            if (row.icon)
                action->setIcon(GlyphIcon(*row.icon));
        }
    }
}

void TForm1::retranslateMenu() {
    for (const MenuTable& table : kMenus) {
        auto* menu = menuBar()->findChild<QMenu*>(QString::fromUtf8(table.name), Qt::FindDirectChildrenOnly);
        if (!menu)
            continue;
        menu->setTitle(CaptionOf(table.caption));
        for (const MenuRow& row : table.items)
            if (qstrcmp(row.caption, "-") != 0)
                if (auto* action = menu->findChild<QAction*>(QString::fromUtf8(row.name)))
                    action->setText(CaptionOf(row.caption));
    }
}
