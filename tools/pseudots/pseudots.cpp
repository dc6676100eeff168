// Writes a pseudo-translation of the game's texts: each text wrapped in
// visible marks, a third longer, every letter accented. A window run in it
// shows at once a text that escaped translation (no marks) and a caption
// that leaves no room for a longer language (cut or overlapping).
// Usage: quorvane_pseudots <in.ts, as lupdate writes it> <out.ts>

#include <QFile>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

const QString kOpen = QStringLiteral("\u27e6"), kClose = QStringLiteral("\u27e7");

QChar Accented(QChar letter) {
  static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  static const QString accented = QStringLiteral(
      "\u00e5\u0180\u00e7\u0111\u00e9\u0192\u011d\u0125\u00ee\u0135\u0137\u013a\u1e3f\u00f1\u00f6\u00fe\u01eb\u0155"
      "\u0161\u0163\u00fb\u1e7d\u0175\u1e8b\u00fd\u017e\u00c5\u0181\u00c7\u00d0\u00c9\u0191\u011c\u0124\u00ce\u0134"
      "\u0136\u0139\u1e3e\u00d1\u00d6\u00de\u01ea\u0154\u0160\u0162\u00db\u1e7c\u0174\u1e8a\u00dd\u017d");
  const qsizetype at = plain.indexOf(letter);
  return at < 0 ? letter : accented.at(at);
}

// Letters accented, except an access key's (so the keys still work) and
// what a placeholder ("%1") or markup ("<b>") needs as it is.
QString Pseudo(const QString& text) {
  QString out = kOpen;
  qsizetype letters = 0;
  bool inTag = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u'<') inTag = true;
    if (c == u'>') inTag = false;
    const bool keyOrPlaceholder = i > 0 && (text.at(i - 1) == u'&' || text.at(i - 1) == u'%');
    out += inTag || keyOrPlaceholder ? c : Accented(c);
    letters += c.isLetter();
  }
  // A third longer, measured in letters; at least one mark of padding.
  out += QString((letters + 2) / 3 + 1, QChar(u'\u00b7'));
  return out + kClose;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <in.ts> <out.ts>\n", argv[0]);
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1])), out(QString::fromLocal8Bit(argv[2]));
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
    std::fprintf(stderr, "cannot open %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  QXmlStreamReader reader(&in);
  QXmlStreamWriter writer(&out);
  writer.setAutoFormatting(true);
  QString source;
  bool numerus = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.name() == u"translation") {
      // Replaced whole, whatever lupdate left there.
      reader.skipCurrentElement();
      writer.writeStartElement(QStringLiteral("translation"));
      if (numerus) {
        for (int form = 0; form < 2; ++form) writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
      } else {
        writer.writeCharacters(Pseudo(source));
      }
      writer.writeEndElement();
      continue;
    }
    if (reader.isStartElement() && reader.name() == u"message")
      numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
    if (reader.isStartElement() && reader.name() == u"TS") {
      writer.writeStartElement(QStringLiteral("TS"));
      writer.writeAttributes(reader.attributes());
      continue;
    }
    if (reader.isStartElement() && reader.name() == u"source") {
      source = reader.readElementText();
      writer.writeTextElement(QStringLiteral("source"), source);
      continue;
    }
    if (!reader.isWhitespace()) writer.writeCurrentToken(reader);
  }
  if (reader.hasError()) {
    std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  return 0;
}
