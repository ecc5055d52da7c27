#include "HTTPGet.h"

#include "HTTPGetThread.h"
#include "HTTPGetTransfer.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QPointer>

THTTPGet::THTTPGet(QObject* owner) : QObject(owner) {}

THTTPGet::~THTTPGet()
{
    CancelFetch();
    // The worker object is a child, so it goes with this one and abandons its transfer: the
    // transfer ends on its own thread and delivers nothing more.
}

void THTTPGet::FetchString()
{
    startFetch(FetchTarget::String);
    if (running_ && WaitThread)
        QCoreApplication::processEvents();
}

void THTTPGet::FetchFile()
{
    startFetch(FetchTarget::File);
    if (!running_ || !WaitThread)
        return;
    // The hand-overs and the completion arrive through the event queue, so this waits by
    // handling events until the completion has run (or a handler destroyed this component).
    const QPointer<THTTPGet> self(this);
    while (self && self->running_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void THTTPGet::CancelFetch()
{
    if (running_)
        running_->requestStop();
}

bool THTTPGet::busy() const
{
    return running_ != nullptr;
}

int THTTPGet::StatusCode() const
{
    return statusCode_;
}

void THTTPGet::setTargetFile(std::shared_ptr<DownloadFile> file)
{
    targetFile_ = std::move(file);
}

void THTTPGet::setCertificateAuthoritiesForTests(const QString& file)
{
    certificateAuthorities_ = file;
}

void THTTPGet::setStallTimeoutForTests(std::chrono::seconds timeout)
{
    stallTimeout_ = timeout;
}

bool THTTPGet::progressHandOverWaiting() const
{
    return running_ && running_->waitingForHandOver();
}

void THTTPGet::startFetch(FetchTarget target)
{
    if (running_)
        return;
    statusCode_ = 0;
    FetchRequest request;
    request.target = target;
    request.url = URL.toStdString();
    request.acceptTypes = AcceptTypes.toStdString();
    request.agent = Agent.toStdString();
    request.userName = UserName.toStdString();
    request.password = Password.toStdString();
    request.postQuery = PostQuery.toStdString();
    request.referer = Referer.toStdString();
    request.fileName = FileName.toStdString();
    request.binaryData = BinaryData;
    request.useCache = UseCache;
    request.targetFile = targetFile_;
    request.certificateAuthorities = certificateAuthorities_.toStdString();
    request.stallTimeout = stallTimeout_;
    // Progress is handed over only to someone listening, so that a fetch nobody watches never
    // waits for the GUI thread.
    const bool reportsProgress = isSignalConnected(QMetaMethod::fromSignal(&THTTPGet::OnProgress));

    auto* worker = new THTTPGetThread(std::move(request), reportsProgress, this);
    connect(worker, &THTTPGetThread::Progress, this, [this, worker](qint32 totalSize, qint32 readed) {
        emit OnProgress(worker, totalSize, readed);
    });
    connect(worker, &THTTPGetThread::Finished, this, &THTTPGet::FetchFinished);
    running_ = worker;
    worker->start();
}

void THTTPGet::FetchFinished()
{
    THTTPGetThread* worker = running_;
    const QPointer<THTTPGet> self(this);
    statusCode_ = worker->result().statusCode;
    if (!worker->succeeded()) {
        emit OnError(this);
    } else if (worker->request().target == FetchTarget::File) {
        emit OnDoneFile(this, QString::fromStdString(worker->request().fileName),
                        worker->result().reportedSize);
    } else {
        const std::string& body = worker->result().body;
        emit OnDoneString(this, QByteArray(body.data(), static_cast<qsizetype>(body.size())));
    }
    if (!self)
        return;  // a handler destroyed this component, and the worker with it
    running_ = nullptr;
    worker->deleteLater();
}
