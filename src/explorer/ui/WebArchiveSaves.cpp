#include "explorer/ui/WebArchiveSaves.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>

namespace climora {
namespace {

FileError cannotCreate(const QString& path, const QString& reason) {
    return FileError("Cannot create file \"" + path.toStdString() + "\". " + reason.toStdString());
}

// Replaces `target` by a copy of `archive` through a file beside it.
void copyOver(const QString& archive, const QString& target) {
    QFile in(archive);
    if (!in.open(QIODevice::ReadOnly))
        throw cannotCreate(target, in.errorString());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        throw cannotCreate(target, out.errorString());
    if (out.write(in.readAll()) != in.size() || !out.commit())
        throw cannotCreate(target, out.errorString());
}

} // namespace

WebArchiveSaves::WebArchiveSaves(Messenger& messenger, QObject* parent)
    : QObject(parent), messenger_(messenger) {}

void WebArchiveSaves::start(QWebEnginePage* page, const QString& target) {
    if (!folder_.isValid()) {
        messenger_.reportError(cannotCreate(target, folder_.errorString()).what());
        emit finished(false);
        return;
    }
    QString enginePath = folder_.filePath(QString("page%1.mht").arg(++serial_));
    targets_[enginePath] = target;
    page->save(enginePath, QWebEngineDownloadRequest::MimeHtmlSaveFormat);
}

void WebArchiveSaves::take(QWebEngineDownloadRequest* download) {
    QString enginePath =
        QDir::cleanPath(download->downloadDirectory() + '/' + download->downloadFileName());
    if (!download->isSavePageDownload() || !targets_.contains(enginePath))
        return;
    // The engine may let the request go once it has finished: it is read
    // only while it is there, and only when its finishing is announced.
    QPointer<QWebEngineDownloadRequest> request(download);
    connect(
        download, &QWebEngineDownloadRequest::isFinishedChanged, this, [this, request, enginePath] {
            if (!request || !request->isFinished())
                return;
            bool completed = request->state() == QWebEngineDownloadRequest::DownloadCompleted;
            finish(enginePath, completed, completed ? QString() : request->interruptReasonString());
        });
    if (download->state() == QWebEngineDownloadRequest::DownloadRequested)
        download->accept();
}

void WebArchiveSaves::finish(const QString& enginePath, bool completed, const QString& reason) {
    auto found = targets_.find(enginePath);
    if (found == targets_.end())
        return;
    QString target = found->second;
    targets_.erase(found);
    bool written = true;
    try {
        if (!completed)
            throw cannotCreate(target, reason);
        copyOver(enginePath, target);
    } catch (const FileError& failure) {
        messenger_.reportError(failure.what());
        written = false;
    }
    QFile::remove(enginePath);
    emit finished(written);
}

} // namespace climora
