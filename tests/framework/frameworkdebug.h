#pragma once

#include <QLoggingCategory>

// Turns the framework's debug lines on while it lives, so that a test can expect them; the
// test environment switches them off, and a filter is the only way past that rule.
class FrameworkDebugOn
{
public:
    FrameworkDebugOn() { previous = QLoggingCategory::installFilter(&FrameworkDebugOn::filter); }
    ~FrameworkDebugOn() { QLoggingCategory::installFilter(previous); }
    FrameworkDebugOn(const FrameworkDebugOn&) = delete;
    FrameworkDebugOn& operator=(const FrameworkDebugOn&) = delete;

private:
    static void filter(QLoggingCategory* category)
    {
        if (previous) // null while the filter is being installed: states stay as they are
            previous(category);
        if (qstrcmp(category->categoryName(), "rv23.framework") == 0)
            category->setEnabled(QtDebugMsg, true);
    }

    static inline QLoggingCategory::CategoryFilter previous = nullptr;
};
