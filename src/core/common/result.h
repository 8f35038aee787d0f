#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <variant>

namespace tvk {

// Why an operation failed: the string-table key of what the user reads, the arguments of its
// "%1".."%n", what it is about (a path, a device, a field name) and the system's own words.
// `code` tells failures apart where a caller acts on them; 0 otherwise.
struct Failure
{
    const char *key = nullptr;
    QString subject = {};
    QString reason = {};
    QStringList args = {};
    int code = 0;

    // The key's text with its arguments.
    QString message() const;
    // One line: "subject: message: reason", each part only when present.
    QString text() const;
    // The system's own words when it gave any, else the message.
    QString reasonOrMessage() const { return reason.isEmpty() ? message() : reason; }

    bool operator==(const Failure &other) const;
};

// A value, or the failure that prevented it. Every reader, writer and runner of the core
// answers with one of these.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const Failure &failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, Failure> m_state;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return *m_failure; }

private:
    std::optional<Failure> m_failure;
};

} // namespace tvk
