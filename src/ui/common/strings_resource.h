#pragma once
// Loading the string tables that are built into the program (the alert texts
// and the lead tables) from the Qt resources under ":/strings/".

#include <QString>
#include <string>
#include <vector>

#include "handfile/lesson_pack.h"
#include "model/result.h"

namespace tavlo {

// Makes the string tables of this static library known to Qt's resource
// system; safe to call more than once. LoadStringsResource calls it.
void InitStringResources();

// Appends the lines of the string table name ("Alerts", "DANISHLEADS", ...) to
// lines. A missing or empty table is reported through the notifier and leaves
// lines as they were; returns whether the table was read.
bool LoadStringsResource(const QString& name, std::vector<std::string>& lines);

// The table of texts in six languages built in under that name
// ("alerts.tsv", "lessons.tsv"), or why it could not be read.
Result<LessonTexts> LoadLanguageTable(const QString& name);

}  // namespace tavlo
