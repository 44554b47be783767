// What a character typed into a drill cell does: only digits, "." and
// backspace reach the cell; Enter walks to the next cell, and from the last
// cell to the Stop button.
#pragma once

#include <QChar>

enum class AnswerKeyAction { Accept, Swallow, NextCell, FocusStop };

AnswerKeyAction FilterAnswerKey(QChar key, bool onLastCell);
