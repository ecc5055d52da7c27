#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <string>

class ClassSync;
class ConfigStore;
class History;

// The class database as the program uses it: while the store names one (Class Database in the
// section Interface), this computer's answers are sent to it after each one the history writes,
// and the class's pupils come back. Made idle; start() begins after the first frame, and a
// change of the classroom's settings begins anew with the new connection, or ends it. The history
// tells of its writing on its own thread, so the link must outlive the history's writing: made
// before the history, it goes after it.
class ClassLink : public QObject {
    Q_OBJECT

public:
    ClassLink(ConfigStore& store, History& history);
    ~ClassLink() override;
    ClassLink(const ClassLink&) = delete;
    ClassLink& operator=(const ClassLink&) = delete;

    // Reads the store's connection and, when it changed, sends with the new one (or stops).
    void start();

    // The connection text in use; empty without a class database.
    const std::string& connection() const { return connection_; }
    // How the sending goes, in one line (empty before the first round, or without one).
    QString status() const;

signals:
    void statusChanged(const QString& line);
    void pupilsChanged(const QStringList& pupils);

private:
    ConfigStore& store_;
    History& history_;
    std::string connection_;
    bool listening_ = false;
    std::mutex syncMutex_; // the history's thread pokes sync_ while start() may replace it
    std::unique_ptr<ClassSync> sync_;
};
