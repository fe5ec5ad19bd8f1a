#include "app/CKorvexAboutDialog.h"

#include "services/CKorvexProductInfo.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CKorvexAboutDialog::CKorvexAboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About %1").arg(CKorvexProductInfo::applicationName()));

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/KorvexDesigner/Resources/KorvexDesigner.png")));
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(QStringLiteral("<h3>%1</h3>").arg(CKorvexProductInfo::applicationName().toHtmlEscaped()),
                            this);
    name->setObjectName(QStringLiteral("productName"));
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("productVersion"));
    auto* framework = new QLabel(frameworkText(), this);
    framework->setObjectName(QStringLiteral("frameworkVersion"));
    auto* description = new QLabel(descriptionText(), this);
    description->setObjectName(QStringLiteral("productDescription"));
    description->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(framework);
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(logo);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString CKorvexAboutDialog::versionText()
{
    return tr("Version %1").arg(CKorvexProductInfo::version());
}

QString CKorvexAboutDialog::frameworkText()
{
    return tr("Built with Qt %1, running on Qt %2").arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

QString CKorvexAboutDialog::descriptionText()
{
    return tr("Designs the page templates of 3D PDF and HTML documents.");
}
