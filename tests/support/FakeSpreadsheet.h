// A spreadsheet application that records every member call in order, keeps
// the cell texts it was sent, and can fail at a chosen call.
#pragma once

#include "core/VantelError.h"
#include "platform/spreadsheet/Spreadsheet.h"

#include <QMap>
#include <QPair>
#include <QStringList>

class FakeSpreadsheet : public Spreadsheet {
public:
    // The log of calls, e.g. "Visible=true", "Cells(1,2)", "Value=abc", "Release".
    QStringList calls;
    // Texts by (row, column) of the active sheet.
    QMap<QPair<int, int>, QString> cells;
    // A call whose log entry equals this throws instead (after being logged).
    QString failAt;
    // Application() itself fails, as when no spreadsheet is installed.
    bool notInstalled = false;

    std::unique_ptr<SpreadsheetApplication> Application() override {
        log(QStringLiteral("Application"));
        if (notInstalled)
            throw VantelError(QStringLiteral("not installed"));
        return std::make_unique<App>(*this);
    }

private:
    void log(const QString& call) {
        calls.append(call);
        if (!failAt.isEmpty() && call == failAt)
            throw VantelError(QStringLiteral("failed at ") + call);
    }

    class Sheet : public SpreadsheetWorksheet, public SpreadsheetCell {
    public:
        explicit Sheet(FakeSpreadsheet& owner) : owner_(owner) {}
        void Activate() override { owner_.log(QStringLiteral("Activate")); }
        SpreadsheetCell& Cells(int row, int col) override {
            owner_.log(QStringLiteral("Cells(%1,%2)").arg(row).arg(col));
            row_ = row;
            col_ = col;
            return *this;
        }
        void SetValue(const QString& text) override {
            owner_.log(QStringLiteral("Value=") + text);
            owner_.cells[{row_, col_}] = text;
        }

    private:
        FakeSpreadsheet& owner_;
        int row_ = 0;
        int col_ = 0;
    };

    class Book : public SpreadsheetWorkbook {
    public:
        explicit Book(FakeSpreadsheet& owner) : owner_(owner), sheet_(owner) {}
        SpreadsheetWorksheet& WorkSheets(int index) override {
            owner_.log(QStringLiteral("WorkSheets(%1)").arg(index));
            return sheet_;
        }
        SpreadsheetWorksheet& ActiveSheet() override {
            owner_.log(QStringLiteral("ActiveSheet"));
            return sheet_;
        }

    private:
        FakeSpreadsheet& owner_;
        Sheet sheet_;
    };

    class App : public SpreadsheetApplication {
    public:
        explicit App(FakeSpreadsheet& owner) : owner_(owner), book_(owner) {}
        ~App() override { owner_.calls.append(QStringLiteral("Release")); }
        void SetVisible(bool visible) override {
            owner_.log(QStringLiteral("Visible=") + (visible ? "true" : "false"));
        }
        void SetScreenUpdating(bool on) override {
            owner_.log(QStringLiteral("ScreenUpdating=") + (on ? "true" : "false"));
        }
        SpreadsheetWorkbook& AddWorkbook() override {
            owner_.log(QStringLiteral("WorkBooks.Add"));
            return book_;
        }

    private:
        FakeSpreadsheet& owner_;
        Book book_;
    };
};
