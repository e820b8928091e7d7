#pragma once

#include "base/Messenger.h"

#include <QObject>
#include <QTemporaryDir>

#include <map>

class QWebEngineDownloadRequest;
class QWebEnginePage;

namespace climora {

// "Save complete webpage": the engine writes the archive into a private
// folder and the finished archive is copied over the chosen file. So a
// folder that cannot be written is reported by the chosen file's name, an
// existing file stays until the new one is complete, and the file gets the
// permissions of every other saved file.
class WebArchiveSaves : public QObject {
    Q_OBJECT
  public:
    WebArchiveSaves(Messenger& messenger, QObject* parent);

    void start(QWebEnginePage* page, const QString& target);
    // Takes on a download the profile announced, if it is one of these saves.
    void take(QWebEngineDownloadRequest* download);

  signals:
    // One per save; false when it failed (the failure has been reported).
    void finished(bool written);

  private:
    void finish(const QString& enginePath, bool completed, const QString& reason);

    Messenger& messenger_;
    QTemporaryDir folder_;
    std::map<QString, QString> targets_; // engine's file -> chosen file
    int serial_ = 0;
};

} // namespace climora
