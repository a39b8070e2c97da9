#pragma once

#include "common/TestFiles.h"
#include "order/OrderAdding.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QStringList>

// Records what adding shows to the customer, in order, and answers the questions from a
// script (Yes when it runs out).
struct PromptRecorder
{
    QStringList events;
    QList<bool> answers;
    std::function<void()> whileAsking;

    AddingPrompts prompts()
    {
        return {[this](const QString& wanted) {
                    events << QStringLiteral("ask ") + wanted;
                    if (whileAsking)
                        whileAsking();
                    return answers.isEmpty() ? true : answers.takeFirst();
                },
                [this](const QString& item) { events << QStringLiteral("duplicate ") + item; },
                [this](const QString& message) { events << QStringLiteral("fault ") + message; }};
    }
};

// The text of an order file with one record per full path, as the program saves them.
inline QByteArray orderFileText(const QStringList& fullPaths)
{
    QString text;
    for (const QString& path : fullPaths)
        text += QStringLiteral("\"CD 011: x\",\"%1\",\"001.0000\"\r\n").arg(path);
    return TextCodec::encode(text);
}

inline QList<FileRow> entriesNamed(const QStringList& names)
{
    QList<FileRow> rows;
    for (const QString& name : names)
        rows.append({name, QStringLiteral("D:\\src\\") + name, QStringLiteral("001.0000")});
    return rows;
}
