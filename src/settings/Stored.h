#pragma once

// Whether a stored setting is there, and whether it means something.
enum class Presence
{
    Present,
    Absent,     // no value, or an empty one
    Unreadable, // a value that is not of the setting's form
};

// A setting's value as read from its store, with whether it was there to read.
template <class T> struct Stored
{
    Presence presence = Presence::Absent;
    T value{};

    static Stored present(T v) { return {Presence::Present, std::move(v)}; }
    static Stored absent() { return {Presence::Absent, T{}}; }
    static Stored unreadable() { return {Presence::Unreadable, T{}}; }

    bool isPresent() const { return presence == Presence::Present; }
    T valueOr(const T& fallback) const { return isPresent() ? value : fallback; }
};
