#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include <charconv>
#include <clocale>
#include <locale>
#include <stdexcept>

#include "calc/number_text.h"

// Bytes of a literal, embedded NULs included.
template <std::size_t N>
QByteArray raw(const char (&bytes)[N]) {
    return QByteArray(bytes, N - 1);
}

inline QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

// Field values as readable lines, so a failing comparison shows what was read.
inline QString E() {
    return QStringLiteral("empty");
}
inline QString N(double value) {
    char text[64];
    return "number " + QString::fromLatin1(text, std::to_chars(text, text + 64, value).ptr - text);
}
inline QString T(const QString& text) {
    return QStringLiteral("text \u00AB") + text + QStringLiteral("\u00BB");
}
inline QString describe(const gypsomix::FieldValue& value) {
    if (const double* number = std::get_if<double>(&value))
        return N(*number);
    const std::string* text = std::get_if<std::string>(&value);
    return text ? T(fromStd(*text)) : E();
}

// The run-time error a call reports; number 0 when it reports none.
struct Failure {
    int number = 0;
    QString description;
    QString label() const { return QStringLiteral("error %1").arg(number); }
};
template <class F>
Failure failureOf(F&& call) {
    try {
        call();
    } catch (const gypsomix::RunTimeError& error) {
        return {error.number(), QString::fromUtf8(error.what())};
    }
    return {};
}

// As failureOf, handing an error of type Error to `record` too, for what it tells beyond its
// number and description.
template <class Error, class F, class Record>
Failure failureOf(F&& call, Record&& record) {
    return failureOf([&] {
        try {
            call();
        } catch (const Error& error) {
            record(error);
            throw;
        }
    });
}

// Runs a statement that must not fail; a failure shows the error's description.
#define NO_ERROR(statement) QCOMPARE(failureOf([&] { statement; }).description, QString())

// The offending text, quoted the French way; an empty text asks for nothing.
inline bool quotes(const QString& description, const QString& text) {
    const QString quoted = "\u00AB\\s*" + QRegularExpression::escape(text) + "\\s*\u00BB";
    return text.isEmpty() || description.contains(QRegularExpression(quoted));
}

// The two separator sets the conversions must serve, and rows written with a point that a
// format's texts carry its own decimal separator in.
struct NamedFormat {
    const char* name;
    gypsomix::NumberFormat format;
};
inline const NamedFormat kFormats[] = {{"point", {}}, {"French", {",", "\u202F"}}};
inline QByteArray localised(const char* text, const gypsomix::NumberFormat& format) {
    return QByteArray(text).replace('.', QByteArray::fromStdString(format.decimal));
}

// A row under each separator set: texts written with that set's decimal separator, other values
// as given, then the set's index in kFormats as the last column, "format", which rowFormat reads.
inline QString localisedText(const char* text, const gypsomix::NumberFormat& format) {
    return QString::fromUtf8(localised(text, format));
}
template <class T>
T localisedText(T value, const gypsomix::NumberFormat&) {
    return value;
}
template <class... Values>
void addFormatRows(const char* name, Values... values) {
    for (int f = 0; f < 2; ++f)
        ((QTest::addRow("%s / %s", name, kFormats[f].name)
          << ... << localisedText(values, kFormats[f].format))
         << f);
}
inline const gypsomix::NumberFormat& rowFormat() {
    QFETCH(int, format);
    return kFormats[format].format;
}

// QCoreApplication takes the C locale from the environment but leaves the C++ global locale
// classic. Sets both, so a run with LC_ALL=fr_FR.UTF-8 puts the conversions under a comma.
inline void useEnvironmentLocale() {
    std::setlocale(LC_ALL, "");
    try {
        std::locale::global(std::locale(""));
    } catch (const std::runtime_error&) {
        // An unknown locale stays classic, and a French run then fails below.
    }
    if (qgetenv("LC_ALL").startsWith("fr_FR"))
        QCOMPARE(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
}
