#pragma once

#include <QString>

class QWidget;

namespace quorvane {

// The message of an unhandled error as the general error report shows it:
// a full stop is added when the last character's code is above that of '.',
// unless it is itself the end of a sentence in Chinese or Japanese ("。").
// Translated sentences carry their own end (English's is left to this).
QString ErrorReportText(const QString& message);

// The application's general error report: a stop-icon box titled
// "Quorvane Sinuvar" with an OK button.
void ShowErrorReport(QWidget* owner, const QString& message);

}  // namespace quorvane
