// The class list (名簿) on the class server: the texts a teacher is told
// when a change of it goes wrong, and the copy a classroom computer keeps of
// its class's names, so it offers them at the next start before the server
// answers.
#pragma once

#include "classroom/ClassConnection.h"

#include <QStringList>

// The server revision that has the class list and the class's facts.
constexpr int kClassRosterRevision = 3;
// How many names a class list holds; the server says so too.
constexpr int kRosterLimit = 200;

// What a teacher is told when the server was set up by an earlier release.
QString RosterNeedsInstallMessage();
// The server's refusal of a change of the list, in the teacher's words.
QString RosterProblemText(const ClassServerError& error);
// Names as the list keeps them: trimmed, blank and repeated ones left out,
// in the order given.
QStringList CleanRosterNames(const QStringList& names);

// The last names the server gave this computer for its class, in a small
// file beside the outbox; empty when there is none, it is of another class,
// or it cannot be read.
QString RosterCachePath(const QString& outboxPath);
QStringList ReadCachedRosterNames(const QString& path, const QString& className);
// Replaces the file at once; false when it could not be written.
bool WriteCachedRosterNames(const QString& path, const QString& className, const QStringList& names);
