#pragma once

#include <QList>

class QAction;
class QMenu;

// The main window's menus and items under their designed names, each also its objectName.
struct MainMenuItems
{
    // Highest index of the recent-file items in use, -1 when there is none.
    int MRUCount = -1;

    QMenu* MNUFILE = nullptr;
    QAction* mnunew = nullptr;
    QAction* mnuload = nullptr;
    QAction* mnusave = nullptr;
    QAction* mnusaveas = nullptr;
    QAction* mnuproperties = nullptr;
    QMenu* mnuexport = nullptr;
    QAction* mnuexportpng = nullptr;
    QAction* mnuexporthtml = nullptr;
    QAction* mnuexporttxt = nullptr;
    QAction* mnuexportpdf = nullptr;
    QAction* mnuexportsvg = nullptr;
    // Enabled while the document window is open.
    QAction* mnuprint = nullptr;
    QAction* mnuprintpreview = nullptr;
    QAction* mnusep = nullptr;
    QList<QAction*> mnuMRU;
    QAction* sep6 = nullptr;
    QAction* mnuexit = nullptr;
    QMenu* mnuedit = nullptr;
    QAction* mnuundo = nullptr;
    QAction* mnuredo = nullptr;
    QAction* mnucut = nullptr;
    QAction* mnuselall = nullptr;
    QAction* mnucopy = nullptr;
    QAction* mnupaste = nullptr;
    QAction* mnufind = nullptr;
    QAction* mnureplace = nullptr;
    QAction* mnucheck = nullptr;
    QAction* mnufindnext = nullptr;
    QAction* mnufindprevious = nullptr;
    QMenu* mnuview = nullptr;
    QMenu* mnuencoding = nullptr;
    // One item for each encoding, in the order of TextEncoding::All.
    QList<QAction*> mnuenc;
    // The repaired reading of CP437 art that went through another code page, when the file is.
    QAction* mnuencrepaired = nullptr;
    QAction* mnuwordwrap = nullptr;
    // ANSI art: its codes as text instead of the drawing, and blink as bright backgrounds.
    QAction* mnushowcodes = nullptr;
    QAction* mnuice = nullptr;
    QAction* mnuzoomin = nullptr;
    QAction* mnuzoomout = nullptr;
    QAction* mnuzoomreset = nullptr;
    // The text-art files before and after the document's in its folder.
    QAction* mnunextfile = nullptr;
    QAction* mnuprevfile = nullptr;
    QMenu* mnusettings = nullptr;
    QMenu* mnumisc = nullptr;
    QAction* mnucolors = nullptr;
    QAction* mnufont = nullptr;
    QMenu* mnuprog = nullptr;
    QAction* mnuallow = nullptr;
    QAction* mnuassociate = nullptr;
    QAction* mnucustom = nullptr;
    QAction* mnuauto = nullptr;
    QMenu* mnuhelpme = nullptr;
    QAction* mnuabout = nullptr;
    QAction* mnuhelp = nullptr;
    QAction* mnusep9 = nullptr;
    QAction* mnudonate = nullptr;
};
