#pragma once
#include <QString>

namespace cardova {

// The question and the messages of clearing the statistics. The windows show
// them as message boxes; the core and the tests answer them directly.
class StatPrompt {
public:
    virtual ~StatPrompt() = default;
    // A Yes/No question with a question icon; true on Yes.
    virtual bool ask(const QString &title, const QString &question) = 0;
    // A message with an information icon.
    virtual void inform(const QString &title, const QString &message) = 0;
};

} // namespace cardova
