#pragma once

#include <QHash>
#include <QJsonObject>
#include <QTranslator>

// Answers translation ids with the Czech source texts of a page description, as the Czech
// catalogue does, so that pages under test show and render their real texts.
class DescriptionTranslator final : public QTranslator
{
    Q_OBJECT

public:
    DescriptionTranslator(const QString& topName, const QJsonObject& description, QObject* parent = nullptr);

    // Adds a text for an id that does not come from the description.
    void insert(const QString& id, const QString& text);

    bool isEmpty() const override;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;

private:
    void collect(const QString& path, const QJsonObject& object);

    QHash<QString, QString> texts;
};
