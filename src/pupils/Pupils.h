#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class ConfigStore;
class History;

// The pupils who share this computer, and who is practising now. Off unless the classroom's
// settings turn pupils on; then each pupil has totals, answers and weak facts of their own. The
// names are this computer's list, or, with a class database, the class's as the server last
// gave them. A teacher who has set the class up locks the list (Pupils Locked=Yes), and a
// class's list is always locked here: it is changed on the server.
class Pupils : public QObject {
    Q_OBJECT

public:
    Pupils(ConfigStore& store, History& history);

    bool enabled() const;
    bool fromClass() const;
    bool locked() const;
    std::vector<std::string> names() const;

    // Who is practising: empty while nobody is (pupils off, or nobody chosen yet).
    const std::string& current() const { return current_; }
    void choose(const std::string& name);

    // Each returns false and changes nothing when the name breaks a rule or the list is locked;
    // each throws AppError when the store or the history cannot keep the change. A rename takes
    // the pupil's totals, answers and weak facts along; a removed pupil's answers stay.
    bool add(std::string_view name);
    bool rename(const std::string& from, std::string_view to);
    void remove(const std::string& name);

    // The class's pupils as the class database gives them, kept for a start without the server.
    void takeClassList(const std::vector<std::string>& names);
    // The classroom's settings have changed: with pupils off, nobody is practising.
    void settingsChanged();

signals:
    void currentChanged(const QString& name);
    void namesChanged();

private:
    void writeNames(const std::vector<std::string>& names);

    ConfigStore& store_;
    History& history_;
    std::string current_;
};
