#pragma once

#include <QPlainTextEdit>

// A multi-line text whose stored form is its lines joined by CR LF, with no
// line break after the last line. Typing and pasting stop at maxLength
// stored characters, a line break counting as two.
class LimitedMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit LimitedMemo(QWidget *parent = nullptr);

    int maxLength() const { return limit; }
    void setMaxLength(int maxLength) { limit = maxLength; }

    QString memoText() const;
    // CR LF, a lone CR and a lone LF all break the line.
    void setMemoText(const QString &text);

private:
    void keepWithinLimit(int position, int charsRemoved, int charsAdded);

    int limit = 32767;
    bool ignoringChanges = false;
};
