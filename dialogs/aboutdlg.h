#pragma once

#include "dialogs/staticlink.h"

#include <QDialog>

#include <memory>
#include <string_view>

class CTemplateGeometry;

// The author's addresses that the two links open. The mail address must carry the mailbox prefix
// the links recognise, or its link would open it as a web address.
inline constexpr char kAuthorMailAddress[] = "author@varnel.example";
inline constexpr char kAuthorHomePage[] = "https://www.varnel.example/";
static_assert(std::string_view(kAuthorMailAddress).starts_with(kAuthorMailboxPrefix));

// The About box. Its two links colour themselves from flags that the caller keeps, so a link
// that was followed stays marked in every later About box of the run.
class CAboutDlg : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CAboutDlg)

public:
    // Both flags must outlive the dialog; a null flag leaves that link always unvisited.
    CAboutDlg(bool* pMailVisited, bool* pWebVisited, QWidget* pParent = nullptr);
    ~CAboutDlg() override;

    CStaticLink m_wndMailLink;
    CStaticLink m_wndWebLink;

protected:
    void changeEvent(QEvent* pEvent) override;

private:
    void CreateControls();

    std::unique_ptr<CTemplateGeometry> m_pGeometry;
};
