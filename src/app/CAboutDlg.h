#pragma once

#include <QDialog>

class ResourceChain;

// The product's name, version, copyright and company, on white.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    struct Info {
        QString productName;
        QString productVersion;
        QString legalCopyright;
        QString companyName;
    };

    CAboutDlg(const ResourceChain& resources, const Info& info, QWidget* parent = nullptr);
};
