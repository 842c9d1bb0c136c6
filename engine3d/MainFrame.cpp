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

    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* ret = file->addAction(tr("&Return"), this, &CMainFrame::OnReturn);
    ret->setObjectName(QStringLiteral("actionReturn"));
    ret->setStatusTip(tr("Return the picture and the scene to the designer"));

    QMenu* properties = menuBar()->addMenu(tr("&Properties"));
    properties->addAction(tr("&Color Size  Rotation"), m_pView, &CRelievoView::EditMaterial)
        ->setStatusTip(tr("Edit the colours, shine, rotation and scale of the lettering"));
    properties->addAction(tr("&Text"), m_pView, &CRelievoView::EditText)
        ->setStatusTip(tr("Edit the text, its font and the glyph style"));
    properties->addAction(tr("&Light Source 1"), m_pView, [this] { m_pView->EditLight(0); })
        ->setStatusTip(tr("Edit the first light"));
    properties->addAction(tr("Light Source 2"), m_pView, [this] { m_pView->EditLight(1); })
        ->setStatusTip(tr("Edit the second light"));
    properties->addAction(tr("Light Source 3"), m_pView, [this] { m_pView->EditLight(2); })
        ->setStatusTip(tr("Edit the third light"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&About Relievo..."), this, &CMainFrame::OnAbout);

    // The glyph styles have no menu entry; the tool bar carries them.
    QToolBar* tools = addToolBar(tr("Standard"));
    tools->setObjectName(QStringLiteral("toolBar"));
    QAction* solid = tools->addAction(tr("Solid"), m_pView, [this] { m_pView->SetGlyphStyle(0); });
    solid->setObjectName(QStringLiteral("actionSolid"));
    solid->setStatusTip(tr("Show solid glyphs"));
    QAction* wire = tools->addAction(tr("Wireframe"), m_pView, [this] { m_pView->SetGlyphStyle(1); });
    wire->setObjectName(QStringLiteral("actionWireframe"));
    wire->setStatusTip(tr("Show outline glyphs"));

    statusBar()->showMessage(tr("Ready"));
    connect(m_pView, &CRelievoView::RequestRefused, this,
            [this](const QString& message) { QMessageBox::warning(this, tr("Relievo"), message); });
}

void CMainFrame::OnReturn()
{
    m_pView->Return();
    close();
}

void CMainFrame::OnAbout()
{
    QMessageBox::about(this, tr("About Relievo"),
                       tr("Relievo\n\nThe 3D text engine of Mondrel: it renders lit, solid or "
                                      "wire-frame lettering and returns the picture to the designer."));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    m_pView->Return();
    event->accept();
}
