// What a PDF file holds, as a reader sees it: its pages and the words on
// them with their boxes (in points, from the page's top left), read with
// poppler's pdftotext and pdfinfo.
#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>

namespace nodra::ui::test {

struct PdfWort {
    QString text;
    QRectF box;
    int seite = 0;  // from 0
};

struct PdfInhalt {
    bool gelesen = false;
    int seiten = 0;
    QSizeF seite;  // first page, points
    QList<PdfWort> woerter;

    QString Text() const {
        QStringList t;
        for (const auto& w : woerter) t << w.text;
        return t.join(QLatin1Char(' '));
    }
    // The boxes of every word equal to `text`.
    QList<QRectF> Boxen(const QString& text) const {
        QList<QRectF> b;
        for (const auto& w : woerter)
            if (w.text == text) b << w.box;
        return b;
    }
};

inline bool PopplerDa() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

inline PdfInhalt PdfLesen(const QString& datei) {
    PdfInhalt inhalt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return inhalt;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression seite(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""));
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const QStringList seiten = html.split(QStringLiteral("<page "));
    for (qsizetype i = 1; i < seiten.size(); ++i) {
        const QString teil = QStringLiteral("<page ") + seiten[i];
        if (inhalt.seiten++ == 0)
            if (const auto s = seite.match(teil); s.hasMatch())
                inhalt.seite = QSizeF(s.captured(1).toDouble(), s.captured(2).toDouble());
        for (auto m = wort.globalMatch(teil); m.hasNext();) {
            const auto w = m.next();
            QString text = w.captured(5);
            text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
            text.replace(QStringLiteral("&gt;"), QStringLiteral(">")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
            text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            inhalt.woerter << PdfWort{text,
                                      QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                             QPointF(w.captured(3).toDouble(), w.captured(4).toDouble())),
                                      inhalt.seiten - 1};
        }
    }
    inhalt.gelesen = true;
    return inhalt;
}

}  // namespace nodra::ui::test
