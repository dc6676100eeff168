#pragma once

#include <QString>
#include <QUrl>

class QHelpEngineCore;

namespace quorvane {

// The help file's name; it lies in the program's folder.
QString HelpFileName();

// Where the help viewer keeps what it writes: $XDG_CACHE_HOME/tolvenix, or
// ~/.cache/tolvenix when that is unset or not an absolute path. Never the
// program's folder, which may be read-only.
QString HelpCacheFolder();

// Makes the engine's collection hold exactly the help file found in folder,
// registering it again when the file has changed since it was registered.
// Gives "" when the file is ready to show, otherwise what is wrong, in words
// for the reader of the help window.
QString RegisterHelpFile(QHelpEngineCore& engine, const QString& folder);

// The page of the topic with this context number, or an empty URL.
QUrl TopicForContext(const QHelpEngineCore& engine, int context);

// The help file's first page, which lists its topics, or an empty URL.
QUrl StartPage(const QHelpEngineCore& engine);

}  // namespace quorvane
