#pragma once

#include <QString>
#include <QUrl>

// Texts and URLs of the Help menu that need no widget. The translated pieces are
// passed in by the callers, which own the translation contexts.
namespace Help {

// Address the support e-mail goes to.
QString supportAddress();

// Fixed, untranslated copyright line of the About dialog.
QString copyrightNotice();

// mailto URL of a support request: the subject names the program and its version
// after `subjectPrefix`. Both fields are percent-encoded, so that "&", "#", "%" or
// "+" in a translation cannot end a field early or change its text.
QUrl supportMailUrl(const QString &subjectPrefix, const QString &body);

// Rich text of the About dialog: name and version, copyright, organisation, web
// address as a link, and `systemDescription`, one centred paragraph each.
QString aboutInformation(const QString &systemDescription);

} // namespace Help
