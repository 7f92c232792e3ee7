#pragma once

// A translation file as lupdate writes it, read for the tests: every message with its state, and
// a translator that answers from the finished ones, so the windows can be checked in a language
// before the translation is compiled (and whatever state the translators left it in).

#include <QFile>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>
#include <ostream>

// gtest names the language of a parameterised test in its report, not the string's bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace horavine::test {

struct TsMessage
{
    QString context;
    QString source;
    QString comment; // the disambiguation
    QString type; // "", "unfinished", "vanished" or "obsolete"
    bool numerus = false;
    QStringList translations; // one, or one per numerus form

    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
    bool finished() const { return type.isEmpty(); }
};

struct TsFile
{
    QString language; // "de_DE"
    QList<TsMessage> messages;
    QString error; // set when the file cannot be read

    static TsFile read(const QString& path)
    {
        TsFile ts;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ts.error = file.errorString();
            return ts;
        }
        QXmlStreamReader xml(&file);
        QString context;
        TsMessage message;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const auto name = xml.name();
            if (name == u"TS") {
                ts.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                message
                    = TsMessage{context, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes", {}};
            } else if (name == u"source") {
                message.source = xml.readElementText();
            } else if (name == u"comment") {
                message.comment = xml.readElementText();
            } else if (name == u"translation") {
                message.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!message.numerus)
                    message.translations.append(xml.readElementText());
                else
                    readForms(xml, message);
                ts.messages.append(message);
            }
        }
        if (xml.hasError())
            ts.error = xml.errorString();
        return ts;
    }

    // The placeholders a text holds, %1..%99 and %n, sorted: a translation must keep the source's.
    static QStringList placeholders(const QString& text)
    {
        static const QRegularExpression pattern(QStringLiteral("%(\\d+|n)"));
        QStringList found;
        for (auto it = pattern.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        found.sort();
        return found;
    }

private:
    static void readForms(QXmlStreamReader& xml, TsMessage& message)
    {
        while (!(xml.isEndElement() && xml.name() == u"translation") && !xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"numerusform")
                message.translations.append(xml.readElementText());
        }
    }
};

// Answers from the finished messages of a .ts; the unfinished ones stay English, as lrelease
// would leave them.
class TsTranslator : public QTranslator
{
public:
    explicit TsTranslator(const TsFile& ts)
        : m_french(ts.language.startsWith(QLatin1String("fr")))
    {
        for (const TsMessage& message : ts.messages) {
            if (message.finished() && !message.translations.isEmpty())
                m_messages.insert(message.key(), message);
        }
    }

    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const TsMessage probe{
            QString::fromUtf8(context), QString::fromUtf8(source), QString::fromUtf8(disambiguation), {}, false, {}};
        const auto found = m_messages.constFind(probe.key());
        if (found == m_messages.cend())
            return {};
        if (!found->numerus || found->translations.size() < 2)
            return found->translations.first();
        // German and Spanish say the singular for 1, French for 0 and 1.
        const bool singular = n == 1 || (m_french && n == 0);
        return found->translations.at(singular ? 0 : 1);
    }

    bool isEmpty() const override { return m_messages.isEmpty(); }

private:
    QHash<QString, TsMessage> m_messages;
    bool m_french;
};

// A made-up language a third longer than English, as German and French run: every text of ours
// gains a third of its letters at its end (before trailing spaces), placeholders and the shortcut
// "&" kept. A layout that holds it holds the real translations.
class LongerTranslator : public QTranslator
{
public:
    explicit LongerTranslator(const TsFile& ts)
    {
        for (const TsMessage& message : ts.messages)
            m_contexts.insert(message.context);
    }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!m_contexts.contains(QString::fromUtf8(context)))
            return {};
        const QString text = QString::fromUtf8(source);
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1).isSpace())
            --end;
        QString letters;
        for (const QChar c : text.left(end)) {
            if (c.isLetter())
                letters.append(c.toLower());
        }
        const QString more = letters.left((letters.size() + 2) / 3);
        return text.left(end) + more + text.mid(end);
    }

    bool isEmpty() const override { return false; }

private:
    QSet<QString> m_contexts;
};

inline QString TsPath(const QString& language)
{
    return QStringLiteral(HORAVINE_SOURCE_DIR "/translations/horavine_%1.ts").arg(language);
}

inline const QStringList& TranslatedLanguages()
{
    static const QStringList languages = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
    return languages;
}

} // namespace horavine::test
