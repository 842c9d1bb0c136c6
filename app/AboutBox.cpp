#include "app/AboutBox.h"

#include "app/Artwork.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

void ShowAboutBox(QWidget* parent)
{
    QDialog box(parent);
    box.setWindowTitle(QCoreApplication::translate("AboutBox", "About Mondrel..."));
    box.setWindowIcon(AppIcon());

    auto* icon = new QLabel(&box);
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QString::fromLatin1(kProductVersionText), &box);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* description = new QLabel(
        QCoreApplication::translate("AboutBox", "A desktop publisher for personal photo calendars: lay out photos, months, texts and frames "
                       "on a page, then print it, save it or export it as a picture or PDF."),
        &box);
    description->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(name);
    text->addSpacing(4);
    text->addWidget(description);
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(text, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    box.setFixedWidth(420);
    box.exec();
}
