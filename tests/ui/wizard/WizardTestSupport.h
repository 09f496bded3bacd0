#pragma once
// Finding the wizard's controls by name and catching what its dialogs say.
#include "TestSupport.h"
#include "ui/WindowTestTools.h"

#include <QFile>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace cardova::test {

// Records every message, error and question a dialog raises and answers
// the questions with `answer`.
struct DialogVoice {
    QStringList messages, errors, questions;
    bool answer = true;

    template <typename Dialog>
    void attach(Dialog &dialog)
    {
        if constexpr (requires { dialog.showMessage; })
            dialog.showMessage = [this](const QString &t) { messages << t; };
        dialog.showError = [this](const QString &t) { errors << t; };
        dialog.ask = [this](const QString &q) {
            questions << q;
            return answer;
        };
    }
};

class WizardFixture : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->custom.Init();
    }
    QByteArray fileContent(const QString &fileName)
    {
        QFile f(dataDir() + fileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList gameNames()
    {
        QStringList names;
        for (int16_t id = 1; id <= ctx->data.TotalGames(); ++id)
            names << ctx->data.GetGName(id);
        return names;
    }
};

} // namespace cardova::test
