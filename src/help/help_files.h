#pragma once

#include <QList>
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

// The language the help speaks: that of the default locale, which the game
// sets to the language it speaks ("de_DE", "pt_BR"; "C" for English). Its
// topics lie in the folder of the whole name or of the language alone.
QString HelpLanguage();

// The language of one of the help file's pages: English pages lie at the top
// of its folder, every other language's in a folder named by its code.
QString PageLanguage(const QUrl& page);

// Of the pages given, the first in the language, else the first English one,
// else the first; an empty URL for none.
QUrl PageInLanguage(const QList<QUrl>& pages, const QString& language);

// The page of the topic with this context number, in the language when the
// help file has it there and in English otherwise, or an empty URL.
QUrl TopicForContext(const QHelpEngineCore& engine, int context, const QString& language = HelpLanguage());

// The help file's first page, which lists its topics, in the language as
// above, or an empty URL.
QUrl StartPage(const QHelpEngineCore& engine, const QString& language = HelpLanguage());

}  // namespace quorvane
