#include "app/limited_memo.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kStoredLineBreak = QStringLiteral("\r\n");

bool IsLineBreak(QChar character)
{
    return character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
}

int StoredLength(QStringView text)
{
    int length = 0;
    for (const QChar character : text)
        length += IsLineBreak(character) ? 2 : 1;
    return length;
}

} // namespace

LimitedMemo::LimitedMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(document(), &QTextDocument::contentsChange, this, &LimitedMemo::keepWithinLimit);
}

QString LimitedMemo::memoText() const
{
    // The raw text keeps non-breaking spaces, which toPlainText() would turn
    // into plain ones.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kStoredLineBreak);
    text.replace(QChar::LineSeparator, kStoredLineBreak);
    return text;
}

void LimitedMemo::setMemoText(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QString lines = text;
    lines.replace(lineBreak, QString(QChar::ParagraphSeparator));
    // A loaded text may be longer than the limit; the field it goes to on
    // saving cuts it, so nothing is lost here.
    ignoringChanges = true;
    setPlainText(lines);
    ignoringChanges = false;
}

// Whatever an edit added beyond the limit is taken off the end of what it added.
void LimitedMemo::keepWithinLimit(int position, int, int charsAdded)
{
    if (ignoringChanges || charsAdded <= 0)
        return;
    const QString raw = document()->toRawText();
    // A change at the document's end counts its closing block separator too.
    charsAdded = std::min(charsAdded, static_cast<int>(raw.size()) - position);
    int excess = StoredLength(raw) - limit;
    if (excess <= 0)
        return;
    int keep = charsAdded;
    while (keep > 0 && excess > 0) {
        --keep;
        excess -= IsLineBreak(raw.at(position + keep)) ? 2 : 1;
    }
    QTextCursor cursor(document());
    cursor.setPosition(position + keep);
    cursor.setPosition(position + charsAdded, QTextCursor::KeepAnchor);
    ignoringChanges = true;
    cursor.removeSelectedText();
    ignoringChanges = false;
}
