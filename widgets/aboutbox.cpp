#include "aboutbox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

namespace {

class About
{
    Q_DECLARE_TR_FUNCTIONS(About)
};

} // namespace

QString aboutText()
{
    const QString homepage = QStringLiteral(KARVO_HOMEPAGE);
    return QStringLiteral("<h3>Karvo %1</h3><p>%2</p><p>%3</p><p>%4</p><p><a href=\"%5\">%5</a></p>")
        .arg(QStringLiteral(KARVO_VERSION),
            About::tr("Detects each text file's encoding and rewrites it in another, without losing a byte."),
            //: %1 is the name of the licence, MIT
            About::tr("Copyright © 2026 The Karvo developers. Free software under the %1 licence.")
                .arg(QStringLiteral("MIT")),
            //: %1 and %2 are versions, as in 5.15.8 and 0.0.7
            About::tr("Uses Qt %1 and uchardet %2.")
                .arg(QString::fromLatin1(qVersion()), QStringLiteral(KARVO_UCHARDET_VERSION)),
            homepage.toHtmlEscaped());
}

void showAboutBox(QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setObjectName(QStringLiteral("aboutBox"));
    //: The About box's title
    box->setWindowTitle(About::tr("About Karvo"));
    box->setTextFormat(Qt::RichText);
    box->setText(aboutText());
    box->setTextInteractionFlags(Qt::TextBrowserInteraction);
    box->setIconPixmap(QIcon::fromTheme(QStringLiteral("org.karvo.Karvo")).pixmap(64, 64));
    box->setStandardButtons(QMessageBox::Close);
    box->open();
}
