#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class TIntroForm;
}

inline const QString kStoryPicturePath = QStringLiteral(":/pictures/story.jpg");

// The story intro: the story picture in a scroll box and a Close button.
class TIntroForm : public QDialog {
    Q_OBJECT

public:
    // A picture that cannot be read or decoded leaves the box empty.
    explicit TIntroForm(QWidget *parent, const QString &picturePath = kStoryPicturePath);
    ~TIntroForm() override;

private:
    void showPicture(const QString &picturePath);

    std::unique_ptr<Ui::TIntroForm> ui;
};
