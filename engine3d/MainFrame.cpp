#include "engine3d/MainFrame.h"

#include "engine3d/RelievoView.h"

#include <QtGui/QCloseEvent>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    m_pView = new CRelievoView(this);
    setCentralWidget(m_pView);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* ret = file->addAction(QStringLiteral("&Return"), this, &CMainFrame::OnReturn);
    ret->setObjectName(QStringLiteral("actionReturn"));
    ret->setStatusTip(QStringLiteral("Return the picture and the scene to the designer"));

    QMenu* properties = menuBar()->addMenu(QStringLiteral("&Properties"));
    properties->addAction(QStringLiteral("&Color Size  Rotation"), m_pView, &CRelievoView::EditMaterial)
        ->setStatusTip(QStringLiteral("Edit the colours, shine, rotation and scale of the lettering"));
    properties->addAction(QStringLiteral("&Text"), m_pView, &CRelievoView::EditText)
        ->setStatusTip(QStringLiteral("Edit the text, its font and the glyph style"));
    properties->addAction(QStringLiteral("&Light Source 1"), m_pView, [this] { m_pView->EditLight(0); })
        ->setStatusTip(QStringLiteral("Edit the first light"));
    properties->addAction(QStringLiteral("Light Source 2"), m_pView, [this] { m_pView->EditLight(1); })
        ->setStatusTip(QStringLiteral("Edit the second light"));
    properties->addAction(QStringLiteral("Light Source 3"), m_pView, [this] { m_pView->EditLight(2); })
        ->setStatusTip(QStringLiteral("Edit the third light"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About Relievo..."), this, &CMainFrame::OnAbout);

    // The glyph styles have no menu entry; the tool bar carries them.
    QToolBar* tools = addToolBar(QStringLiteral("Standard"));
    tools->setObjectName(QStringLiteral("toolBar"));
    QAction* solid = tools->addAction(QStringLiteral("Solid"), m_pView, [this] { m_pView->SetGlyphStyle(0); });
    solid->setObjectName(QStringLiteral("actionSolid"));
    solid->setStatusTip(QStringLiteral("Show solid glyphs"));
    QAction* wire = tools->addAction(QStringLiteral("Wireframe"), m_pView, [this] { m_pView->SetGlyphStyle(1); });
    wire->setObjectName(QStringLiteral("actionWireframe"));
    wire->setStatusTip(QStringLiteral("Show outline glyphs"));

    statusBar()->showMessage(QStringLiteral("Ready"));
    connect(m_pView, &CRelievoView::RequestRefused, this,
            [this](const QString& message) { QMessageBox::warning(this, QStringLiteral("Relievo"), message); });
}

void CMainFrame::OnReturn()
{
    m_pView->Return();
    close();
}

void CMainFrame::OnAbout()
{
    QMessageBox::about(this, QStringLiteral("About Relievo"),
                       QStringLiteral("Relievo\n\nThe 3D text engine of Mondrel: it renders lit, solid or "
                                      "wire-frame lettering and returns the picture to the designer."));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_pView->Return();
    event->accept();
}
