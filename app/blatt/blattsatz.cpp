// SPDX-License-Identifier: GPL-3.0-or-later
#include "blatt/blattsatz.h"

#include "blatt/absatz.h"
#include "core/karte.h"
#include "core/themen.h"
#include "core/uhr.h"
#include "generators/kartenfolge.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QColor tinte(0x1d, 0x3f, 0x5e); // das Blau der Kopfzeile im Spiel
const QColor grau(0x5f, 0x66, 0x6d);
const QColor kaestchenFarbe(0xc9, 0xd3, 0xdd);

// vorn, titel und hinten in einer Zeile von höchstens platz Breite: Gekürzt wird zuerst der
// Titel, damit Thema und Level auf jedem losen Blatt lesbar bleiben, auf schmalem Papier das Ende.
QString mitGekuerztemTitel(const QFontMetricsF& m, const QString& vorn, const QString& titel,
                           const QString& hinten, qreal platz) {
    const qreal rest = platz - m.horizontalAdvance(vorn + hinten);
    if (rest < m.horizontalAdvance(QStringLiteral("WW…"))) {
        return m.elidedText(vorn + titel + hinten, Qt::ElideRight, platz);
    }
    return vorn + m.elidedText(titel, Qt::ElideRight, rest) + hinten;
}

QString ausUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

using Zeichner = std::function<void(QPainter&, QPointF)>;

// Unteilbar; ort ist seine linke obere Ecke.
struct Stueck {
    qreal hoehe = 0;
    Zeichner zeichne;
};

// Bleibt auf einer Seite, solange er auf eine leere passt.
struct Block {
    std::vector<Stueck> stuecke;
    qreal abstand = 0;
};

enum class Art { blatt, schluessel };

// Seiten mit gemeinsamem Kopf und eigener Zählung "Seite i von n".
struct Gruppe {
    Art art = Art::blatt;
    std::int64_t variante = 0; // 0: Lösungen aller Varianten
    std::uint64_t startwert = 0;
    int seiten = 0;
};

struct Platz {
    QPointF ort;
    Zeichner zeichne;
};

struct Seite {
    std::size_t gruppe = 0;
    int nummer = 1;
    std::vector<Platz> inhalt;
};

struct Variante {
    std::int64_t nummer;
    std::uint64_t startwert;
    std::vector<numora::Karte> karten;
};

class Setzer {
  public:
    Setzer(const Arbeitsblatt& blatt, QPagedPaintDevice& geraet);
    void planen();
    bool zeichnen();

  private:
    qreal mm(qreal w) const { return w * punkteJeMm_; }
    qreal links() const { return mm(20); }
    qreal breite() const { return geraet_.width() - mm(20) - mm(18); }
    qreal kopfOben() const { return mm(14); }
    qreal satzOben(const Seite& s) const;
    qreal satzUnten() const { return geraet_.height() - mm(20); }

    QFont schrift(qreal punkte, bool fett = false) const;
    QFont festeSchrift(qreal punkte, bool fett = false) const;
    std::shared_ptr<Absatz> absatz(const std::string& text, const QFont& f, qreal breite,
                                   qreal zeilenabstand = 1.12) const;

    Block frageBlock(std::int64_t nummer, const numora::Karte& karte) const;
    std::vector<Block> loesungsBloecke(const Variante& v, bool mitUeberschrift) const;
    Stueck nummerUndText(std::int64_t nummer, std::shared_ptr<Absatz> text, qreal einzug) const;
    Stueck variantenUeberschrift(const Variante& v) const;

    void fliessen(std::size_t gruppe, const std::vector<Block>& bloecke);
    void neueSeite(std::size_t gruppe);

    // Rechts im Kopf der ersten Seite: Variante, Startwert, Datum.
    std::array<QString, 3> kopfAngaben(const Gruppe& g) const;
    qreal kopfAngabenBreite(const Gruppe& g) const;
    // Die Oberzeile der ersten Seite (der Titel oder "Lösungen"): 18 Punkt in einer Zeile,
    // sonst 14 Punkt und umbrochen, damit auch ein langer Titel ganz auf dem Blatt steht.
    std::unique_ptr<Absatz> oberzeile(const Gruppe& g) const;
    qreal oberzeileMehr(const Absatz& zeile) const;
    void kopfZeichnen(QPainter& p, const Seite& s) const;
    void fussZeichnen(QPainter& p, const Seite& s) const;
    void rechtsbuendig(QPainter& p, qreal grundlinie, const QString& text) const;
    QString variantenText(const Gruppe& g) const;

    const Arbeitsblatt& blatt_;
    QPagedPaintDevice& geraet_;
    qreal punkteJeMm_;
    QString datum_;
    QString thema_;
    std::vector<Variante> varianten_;
    std::vector<Gruppe> gruppen_;
    std::vector<Seite> seiten_;
    qreal y_ = 0;
};

Setzer::Setzer(const Arbeitsblatt& blatt, QPagedPaintDevice& geraet)
    : blatt_(blatt), geraet_(geraet), punkteJeMm_(geraet.logicalDpiY() / 25.4),
      datum_(ausUtf8(numora::datumText(numora::uhr().lokal()))), thema_(themaName(blatt.thema)) {
    const numora::thema bereich = numora::angebotp[static_cast<std::size_t>(blatt.thema)];
    for (std::int64_t k = 1; k <= blatt.varianten; ++k) {
        const std::uint64_t s = numora::variantenStartwert(blatt.startwert, k);
        varianten_.push_back(
            {k, s, numora::kartenZumStartwert(bereich, blatt.level, blatt.fragen, s)});
    }
}

// Feste Schriften statt der des Desktops, damit Fenster und Werkzeug dieselben Seiten setzen;
// DejaVu hat ², √ und □. Fehlt sie, wählt fontconfig eine ähnliche.
QFont Setzer::schrift(qreal punkte, bool fett) const {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

QFont Setzer::festeSchrift(qreal punkte, bool fett) const {
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

std::shared_ptr<Absatz> Setzer::absatz(const std::string& text, const QFont& f, qreal breite,
                                       qreal zeilenabstand) const {
    return std::make_shared<Absatz>(ausUtf8(text), f, breite, zeilenabstand, &geraet_);
}

Stueck Setzer::nummerUndText(std::int64_t nummer, std::shared_ptr<Absatz> text,
                             qreal einzug) const {
    const QFont nummernSchrift = schrift(10.5, true);
    const qreal hoehe = text->hoehe();
    return {hoehe, [nummer, text, einzug, nummernSchrift](QPainter& p, QPointF ort) {
                p.setFont(nummernSchrift);
                p.setPen(tinte);
                p.drawText(QPointF(ort.x(), ort.y() + text->ersteTextGrundlinie()),
                           QString::number(nummer) + QLatin1Char('.'));
                p.setPen(Qt::black);
                text->zeichne(p, QPointF(ort.x() + einzug, ort.y()));
            }};
}

Block Setzer::frageBlock(std::int64_t nummer, const numora::Karte& karte) const {
    const qreal einzug = mm(9);
    const qreal kante = mm(5);
    const int kaestchenZeilen = 4;
    const auto text = absatz(karte.frage, festeSchrift(10), breite() - einzug);
    Stueck s = nummerUndText(nummer, text, einzug);
    const qreal textHoehe = s.hoehe;
    const qreal gitterOben = textHoehe + mm(2);
    const qreal gitterHoehe = kante * kaestchenZeilen;
    const qreal antwortOben = gitterOben + gitterHoehe + mm(2.5);
    s.hoehe = antwortOben + mm(6);
    const QFont beschriftung = schrift(9);
    s.zeichne = [this, textTeil = s.zeichne, einzug, kante, kaestchenZeilen, gitterOben,
                 gitterHoehe, antwortOben, beschriftung](QPainter& p, QPointF ort) {
        textTeil(p, ort);
        // Rechenkästchen wie im Matheheft, blass, damit Geschriebenes darauf gut lesbar bleibt.
        const qreal x0 = ort.x() + einzug;
        const int spalten = static_cast<int>((breite() - einzug) / kante);
        const qreal x1 = x0 + spalten * kante;
        const qreal y0 = ort.y() + gitterOben;
        p.setPen(QPen(kaestchenFarbe, mm(0.15)));
        for (int i = 0; i <= spalten; ++i) {
            p.drawLine(QPointF(x0 + i * kante, y0), QPointF(x0 + i * kante, y0 + gitterHoehe));
        }
        for (int j = 0; j <= kaestchenZeilen; ++j) {
            p.drawLine(QPointF(x0, y0 + j * kante), QPointF(x1, y0 + j * kante));
        }
        const qreal grundlinie = ort.y() + antwortOben + mm(4.5);
        const qreal linienAnfang = x1 - mm(55);
        p.setFont(beschriftung);
        p.setPen(grau);
        const QString antwort = QStringLiteral("Antwort:");
        p.drawText(QPointF(linienAnfang - mm(2) -
                               QFontMetricsF(beschriftung, &geraet_).horizontalAdvance(antwort),
                           grundlinie),
                   antwort);
        p.setPen(QPen(Qt::black, mm(0.25)));
        p.drawLine(QPointF(linienAnfang, grundlinie + mm(0.8)), QPointF(x1, grundlinie + mm(0.8)));
    };
    return {{std::move(s)}, mm(5)};
}

Stueck Setzer::variantenUeberschrift(const Variante& v) const {
    const QFont f = schrift(11, true);
    const QFontMetricsF m(f, &geraet_);
    const QString text =
        QStringLiteral("Variante %1 · Startwert %2").arg(v.nummer).arg(v.startwert);
    return {m.height() + mm(3), [f, m, text](QPainter& p, QPointF ort) {
                p.setFont(f);
                p.setPen(tinte);
                p.drawText(QPointF(ort.x(), ort.y() + m.ascent()), text);
            }};
}

std::vector<Block> Setzer::loesungsBloecke(const Variante& v, bool mitUeberschrift) const {
    std::vector<Block> bloecke;
    const QFont antwortSchrift = festeSchrift(10, true);
    if (!blatt_.erklaerungen) {
        // Ohne Erklärungen bis zu vier Lösungen je Zeile, zeilenweise gelesen in der Reihenfolge;
        // auf schmalem Papier weniger, damit die längste Antwort in ihre Spalte passt.
        const QFontMetricsF m(antwortSchrift, &geraet_);
        qreal laengste = 0;
        for (const numora::Karte& k : v.karten) {
            laengste = std::max(laengste, m.horizontalAdvance(ausUtf8(numora::antwortText(k))));
        }
        const auto spalten = static_cast<std::size_t>(
            std::clamp(static_cast<int>(breite() / (mm(9) + laengste + mm(3))), 1, 4));
        const qreal spaltenBreite = breite() / static_cast<qreal>(spalten);
        const QFont nummernSchrift = schrift(10.5, true);
        for (std::size_t i = 0; i < v.karten.size(); i += spalten) {
            std::vector<std::pair<std::int64_t, QString>> zeile;
            for (std::size_t j = i; j < std::min(i + spalten, v.karten.size()); ++j) {
                zeile.emplace_back(static_cast<std::int64_t>(j) + 1,
                                   ausUtf8(numora::antwortText(v.karten[j])));
            }
            Stueck s{m.height() * 1.5, [this, zeile, spaltenBreite, m, antwortSchrift,
                                        nummernSchrift](QPainter& p, QPointF ort) {
                         for (std::size_t j = 0; j < zeile.size(); ++j) {
                             const qreal x = ort.x() + static_cast<qreal>(j) * spaltenBreite;
                             p.setFont(nummernSchrift);
                             p.setPen(tinte);
                             p.drawText(QPointF(x, ort.y() + m.ascent()),
                                        QString::number(zeile[j].first) + QLatin1Char('.'));
                             p.setFont(antwortSchrift);
                             p.setPen(Qt::black);
                             p.drawText(QPointF(x + mm(9), ort.y() + m.ascent()), zeile[j].second);
                         }
                     }};
            bloecke.push_back({{std::move(s)}, 0});
        }
    } else {
        const qreal einzug = mm(9);
        for (std::size_t i = 0; i < v.karten.size(); ++i) {
            const numora::Karte& k = v.karten[i];
            Block b;
            b.stuecke.push_back(nummerUndText(
                static_cast<std::int64_t>(i) + 1,
                absatz(numora::antwortText(k), antwortSchrift, breite() - einzug), einzug));
            if (!k.hilfe.empty()) {
                // Zeilenweise, damit eine Erklärung, die auf keine Seite passt, umbrechen kann.
                const auto erklaerung = absatz(k.hilfe, festeSchrift(8.5), breite() - einzug, 1.05);
                b.stuecke.push_back({mm(1), [](QPainter&, QPointF) {}});
                for (int z = 0; z < erklaerung->zeilen(); ++z) {
                    b.stuecke.push_back({erklaerung->zeilenUnten(z) - erklaerung->zeilenOben(z),
                                         [erklaerung, z, einzug](QPainter& p, QPointF ort) {
                                             p.setPen(QColor(0x30, 0x30, 0x30));
                                             erklaerung->zeichneZeile(
                                                 p, z,
                                                 ort + QPointF(einzug, -erklaerung->zeilenOben(z)));
                                         }});
                }
            }
            b.abstand = mm(4);
            bloecke.push_back(std::move(b));
        }
    }
    if (mitUeberschrift && !bloecke.empty()) {
        // Die Überschrift bleibt bei der ersten Lösung.
        auto& erster = bloecke.front().stuecke;
        erster.insert(erster.begin(), variantenUeberschrift(v));
    }
    if (!bloecke.empty()) {
        bloecke.back().abstand = mm(6);
    }
    return bloecke;
}

qreal Setzer::satzOben(const Seite& s) const {
    if (s.nummer > 1) {
        return kopfOben() + mm(9);
    }
    const Gruppe& g = gruppen_[s.gruppe];
    return kopfOben() + (g.art == Art::blatt ? mm(40) : mm(26)) + oberzeileMehr(*oberzeile(g));
}

void Setzer::neueSeite(std::size_t gruppe) {
    Seite s;
    s.gruppe = gruppe;
    s.nummer = ++gruppen_[gruppe].seiten;
    y_ = satzOben(s);
    seiten_.push_back(std::move(s));
}

void Setzer::fliessen(std::size_t gruppe, const std::vector<Block>& bloecke) {
    neueSeite(gruppe);
    for (const Block& b : bloecke) {
        qreal hoehe = 0;
        for (const Stueck& s : b.stuecke) {
            hoehe += s.hoehe;
        }
        if (y_ + hoehe > satzUnten() && !seiten_.back().inhalt.empty()) {
            neueSeite(gruppe);
        }
        for (const Stueck& s : b.stuecke) {
            if (y_ + s.hoehe > satzUnten() && !seiten_.back().inhalt.empty()) {
                neueSeite(gruppe);
            }
            seiten_.back().inhalt.push_back({QPointF(links(), y_), s.zeichne});
            y_ += s.hoehe;
        }
        y_ += b.abstand;
    }
}

void Setzer::planen() {
    std::vector<Block> alleLoesungen;
    for (const Variante& v : varianten_) {
        std::vector<Block> fragen;
        for (std::size_t i = 0; i < v.karten.size(); ++i) {
            fragen.push_back(frageBlock(static_cast<std::int64_t>(i) + 1, v.karten[i]));
        }
        gruppen_.push_back({Art::blatt, v.nummer, v.startwert, 0});
        fliessen(gruppen_.size() - 1, fragen);
        if (blatt_.schluesselAmEnde) {
            std::vector<Block> l = loesungsBloecke(v, true);
            std::move(l.begin(), l.end(), std::back_inserter(alleLoesungen));
        } else {
            gruppen_.push_back({Art::schluessel, v.nummer, v.startwert, 0});
            fliessen(gruppen_.size() - 1, loesungsBloecke(v, false));
        }
    }
    if (blatt_.schluesselAmEnde) {
        gruppen_.push_back({Art::schluessel, 0, blatt_.startwert, 0});
        fliessen(gruppen_.size() - 1, alleLoesungen);
    }
}

QString Setzer::variantenText(const Gruppe& g) const {
    if (g.variante == 0) {
        return blatt_.varianten == 1 ? QStringLiteral("Variante 1")
                                     : QStringLiteral("Varianten 1 bis %1").arg(blatt_.varianten);
    }
    return QStringLiteral("Variante %1 von %2").arg(g.variante).arg(blatt_.varianten);
}

void Setzer::rechtsbuendig(QPainter& p, qreal grundlinie, const QString& text) const {
    const qreal b = QFontMetricsF(p.font(), &geraet_).horizontalAdvance(text);
    p.drawText(QPointF(links() + breite() - b, grundlinie), text);
}

std::array<QString, 3> Setzer::kopfAngaben(const Gruppe& g) const {
    return {variantenText(g),
            g.variante == 0 && blatt_.varianten > 1
                ? QStringLiteral("Startwerte ab %1").arg(g.startwert)
                : QStringLiteral("Startwert %1").arg(g.startwert),
            QStringLiteral("Datum: ") + datum_};
}

qreal Setzer::kopfAngabenBreite(const Gruppe& g) const {
    const QFontMetricsF im(schrift(9.5), &geraet_);
    qreal b = 0;
    for (const QString& angabe : kopfAngaben(g)) {
        b = std::max(b, im.horizontalAdvance(angabe));
    }
    return b;
}

std::unique_ptr<Absatz> Setzer::oberzeile(const Gruppe& g) const {
    const QString text = g.art == Art::blatt ? blattTitel(blatt_) : QStringLiteral("Lösungen");
    const qreal platz = breite() - kopfAngabenBreite(g) - mm(8);
    auto zeile = std::make_unique<Absatz>(text, schrift(18, true), platz, 1.0, &geraet_);
    if (zeile->zeilen() > 1) {
        zeile = std::make_unique<Absatz>(text, schrift(14, true), platz, 1.0, &geraet_);
    }
    return zeile;
}

// Was die Oberzeile höher ist als eine Zeile in 18 Punkt, um so viel wächst der Kopf.
qreal Setzer::oberzeileMehr(const Absatz& zeile) const {
    return std::max<qreal>(0, zeile.hoehe() - QFontMetricsF(schrift(18, true), &geraet_).height());
}

void Setzer::kopfZeichnen(QPainter& p, const Seite& s) const {
    const Gruppe& g = gruppen_[s.gruppe];
    const QString titel = blattTitel(blatt_);
    const QString unterzeile = QStringLiteral("%1 · Level %2").arg(thema_).arg(blatt_.level);
    const qreal oben = kopfOben();
    if (s.nummer > 1) {
        // Folgeseiten: eine schmale Zeile, damit lose Blätter zuzuordnen bleiben.
        const QFont f = schrift(8.5);
        const QFontMetricsF m(f, &geraet_);
        p.setFont(f);
        p.setPen(grau);
        const QString rechts =
            g.variante == 0
                ? variantenText(g)
                : QStringLiteral("Variante %1 · Startwert %2").arg(g.variante).arg(g.startwert);
        const QString vorn = g.art == Art::blatt ? QString() : QStringLiteral("Lösungen · ");
        p.drawText(QPointF(links(), oben + m.ascent()),
                   mitGekuerztemTitel(m, vorn, titel, QStringLiteral(" · ") + unterzeile,
                                      breite() - m.horizontalAdvance(rechts) - mm(6)));
        rechtsbuendig(p, oben + m.ascent(), rechts);
        p.setPen(QPen(kaestchenFarbe, mm(0.3)));
        p.drawLine(QPointF(links(), oben + mm(5)), QPointF(links() + breite(), oben + mm(5)));
        return;
    }

    const QFont infoSchrift = schrift(9.5);
    const QFontMetricsF im(infoSchrift, &geraet_);
    const auto [rechts1, rechts2, rechts3] = kopfAngaben(g);

    p.setPen(tinte);
    const auto ober = oberzeile(g);
    ober->zeichne(p, QPointF(links(), oben));

    QFont fett = infoSchrift;
    fett.setBold(true);
    p.setFont(fett);
    rechtsbuendig(p, oben + im.ascent(), rechts1);
    p.setFont(infoSchrift);
    p.setPen(grau);
    rechtsbuendig(p, oben + im.ascent() + im.lineSpacing(), rechts2);
    rechtsbuendig(p, oben + im.ascent() + 2 * im.lineSpacing(), rechts3);

    const QFont unterSchrift = schrift(11);
    const QFontMetricsF um(unterSchrift, &geraet_);
    p.setFont(unterSchrift);
    p.setPen(Qt::black);
    const qreal platz = breite() - kopfAngabenBreite(g) - mm(8);
    const QString zweite =
        g.art == Art::blatt
            ? um.elidedText(unterzeile, Qt::ElideRight, platz)
            : mitGekuerztemTitel(um, {}, titel, QStringLiteral(" · ") + unterzeile, platz);
    const qreal zweiteGrundlinie = oben + QFontMetricsF(schrift(18, true), &geraet_).height() +
                                   oberzeileMehr(*ober) + mm(1) + um.ascent();
    p.drawText(QPointF(links(), zweiteGrundlinie), zweite);

    qreal linie = zweiteGrundlinie + mm(5);
    if (g.art == Art::blatt) {
        // Name und Klasse auf Schreiblinien.
        const qreal grundlinie = zweiteGrundlinie + mm(12);
        p.setFont(unterSchrift);
        const QString name = QStringLiteral("Name:");
        const QString klasse = QStringLiteral("Klasse:");
        p.drawText(QPointF(links(), grundlinie), name);
        const qreal nameAnfang = links() + um.horizontalAdvance(name) + mm(2);
        const qreal klasseX = links() + breite() - mm(45);
        const qreal klasseAnfang = klasseX + um.horizontalAdvance(klasse) + mm(2);
        p.drawText(QPointF(klasseX, grundlinie), klasse);
        p.setPen(QPen(Qt::black, mm(0.25)));
        p.drawLine(QPointF(nameAnfang, grundlinie + mm(0.8)),
                   QPointF(klasseX - mm(8), grundlinie + mm(0.8)));
        p.drawLine(QPointF(klasseAnfang, grundlinie + mm(0.8)),
                   QPointF(links() + breite(), grundlinie + mm(0.8)));
        linie = grundlinie + mm(5);
        const QFont hinweis = schrift(8.5);
        p.setFont(hinweis);
        p.setPen(grau);
        p.drawText(QPointF(links(), linie + mm(5.5)),
                   QStringLiteral("Rechne in den Kästchen und trage das Ergebnis bei "
                                  "„Antwort“ ein."));
    }
    p.setPen(QPen(tinte, mm(0.4)));
    p.drawLine(QPointF(links(), linie), QPointF(links() + breite(), linie));
}

void Setzer::fussZeichnen(QPainter& p, const Seite& s) const {
    const Gruppe& g = gruppen_[s.gruppe];
    const QFont f = schrift(8.5);
    const QFontMetricsF m(f, &geraet_);
    const qreal linie = geraet_.height() - mm(15);
    p.setPen(QPen(kaestchenFarbe, mm(0.3)));
    p.drawLine(QPointF(links(), linie), QPointF(links() + breite(), linie));
    p.setFont(f);
    p.setPen(grau);
    const QString variante =
        QStringLiteral(" · ") +
        (g.variante == 0
             ? variantenText(g)
             : QStringLiteral("Variante %1 · Startwert %2").arg(g.variante).arg(g.startwert));
    const QString seite = QStringLiteral("Seite %1 von %2").arg(s.nummer).arg(g.seiten);
    const qreal grundlinie = linie + mm(1.5) + m.ascent();
    p.drawText(QPointF(links(), grundlinie),
               g.art == Art::blatt
                   ? mitGekuerztemTitel(m, {}, blattTitel(blatt_), variante,
                                        breite() - m.horizontalAdvance(seite) - mm(6))
                   : QStringLiteral("Lösungen") + variante);
    rechtsbuendig(p, grundlinie, seite);
}

bool Setzer::zeichnen() {
    // Den Seitenbereich aus dem Druckdialog bietet Qt auch für "In PDF-Datei drucken" an und
    // überlässt ihn dann dem Programm; einem CUPS-Drucker gibt Qt ihn als Auftragsoption mit,
    // und das Gerät hat keinen.
    const QPageRanges bereich = geraet_.pageRanges();
    if (!bereich.isEmpty() && bereich.firstPage() > static_cast<int>(seiten_.size())) {
        return false; // sonst entstünde eine leere Seite
    }
    QPainter p;
    if (!p.begin(&geraet_)) {
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    bool ersteSeite = true;
    for (std::size_t i = 0; i < seiten_.size(); ++i) {
        if (!bereich.isEmpty() && !bereich.contains(static_cast<int>(i) + 1)) {
            continue;
        }
        if (!ersteSeite && !geraet_.newPage()) {
            p.end();
            return false;
        }
        ersteSeite = false;
        kopfZeichnen(p, seiten_[i]);
        for (const Platz& platz : seiten_[i].inhalt) {
            platz.zeichne(p, platz.ort);
        }
        fussZeichnen(p, seiten_[i]);
    }
    return p.end();
}

} // namespace

void aufA4Einrichten(QPagedPaintDevice& geraet) {
    geraet.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

bool arbeitsblattSetzen(const Arbeitsblatt& blatt, QPagedPaintDevice& geraet) {
    if (arbeitsblattFehler(blatt)) {
        return false;
    }
    Setzer setzer(blatt, geraet);
    setzer.planen();
    return setzer.zeichnen();
}
