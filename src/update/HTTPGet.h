#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class DownloadFile;
class THTTPGetThread;
enum class FetchTarget;

// Fetches one HTTP resource in a worker thread, into a text or into a file, and reports
// progress, completion and failure as signals that always arrive on the GUI thread.
// One fetch runs at a time; a fetch asked for while one runs is ignored. Changing the
// properties while a fetch runs does not change that fetch: the worker works on copies.
class THTTPGet : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString AcceptTypes MEMBER AcceptTypes)
    Q_PROPERTY(QString Agent MEMBER Agent)
    Q_PROPERTY(bool BinaryData MEMBER BinaryData)
    Q_PROPERTY(QString URL MEMBER URL)
    Q_PROPERTY(bool UseCache MEMBER UseCache)
    Q_PROPERTY(QString FileName MEMBER FileName)
    Q_PROPERTY(QString UserName MEMBER UserName)
    Q_PROPERTY(QString Password MEMBER Password)
    Q_PROPERTY(QString PostQuery MEMBER PostQuery)
    Q_PROPERTY(QString Referer MEMBER Referer)
    Q_PROPERTY(bool WaitThread MEMBER WaitThread)
    // The status code of the last fetch's answer (200, 404 ...), known from its completion
    // event on; 0 when no answer came, and while a fetch runs.
    Q_PROPERTY(int StatusCode READ StatusCode)

public:
    explicit THTTPGet(QObject* owner = nullptr);
    // Cancels a running fetch; none of its signals reaches anyone afterwards.
    ~THTTPGet() override;

    void FetchString();
    void FetchFile();
    void CancelFetch();
    bool busy() const;
    int StatusCode() const;
    // The next file fetches write into this file, already open, rather than opening FileName
    // by its name (FileName still names it in OnDoneFile). Null: by name again.
    void setTargetFile(std::shared_ptr<DownloadFile> file);

    QString AcceptTypes = "*/*";
    QString Agent = "Calcora";
    bool BinaryData = false;
    QString URL;
    bool UseCache = false;
    QString FileName;
    QString UserName;
    QString Password;
    QString PostQuery;
    QString Referer;
    bool WaitThread = false;

    // For tests: how long a server may stay silent before the fetch fails (30 seconds).
    void setStallTimeoutForTests(std::chrono::seconds timeout);
    // For tests: the certificate authorities a server of the test's own is checked against.
    void setCertificateAuthoritiesForTests(const QString& file);
    // For tests: whether the running fetch waits for the GUI thread to take a progress report.
    bool progressHandOverWaiting() const;

signals:
    // After every chunk; the sender is the worker, and it waits until the handlers return.
    void OnProgress(QObject* Sender, qint32 TotalSize, qint32 Readed);
    void OnDoneFile(QObject* Sender, const QString& FileName, qint32 FileSize);
    void OnDoneString(QObject* Sender, const QByteArray& Result);
    void OnError(QObject* Sender);

private:
    void startFetch(FetchTarget target);
    // The completion step: the one event of the fetch, then idle again.
    void FetchFinished();

    // The running worker, null while idle. It is cleared only after the completion event's
    // handlers have returned, so a fetch started from one of them is ignored.
    THTTPGetThread* running_ = nullptr;
    std::chrono::seconds stallTimeout_{30};
    std::shared_ptr<DownloadFile> targetFile_;
    QString certificateAuthorities_;
    int statusCode_ = 0;
};
