#include "app/Actions.h"

#include <cstring>

namespace {

QKeySequence Key(int key)
{
    return QKeySequence(key);
}

}  // namespace

const std::vector<CActionSpec>& ActionTable()
{
    static const std::vector<CActionSpec> table = {
        // File
        {"file_new", "&New\tCtrl+N", "Create a new document\nNew", {QKeySequence::New}, false, "file_new"},
        {"file_open", "&Open...\tCtrl+O", "Open an existing document\nOpen", {QKeySequence::Open}, false, "file_open"},
        {"file_close", "&Close\tCtrl+W", "Close the active document\nClose", {Key(Qt::CTRL | Qt::Key_W)}},
        {"file_save", "&Save\tCtrl+S", "Save the active document\nSave", {QKeySequence::Save}, false, "file_save"},
        {"file_save_as", "Save &As...\tCtrl+Shift+S", "Save the active document with a new name\nSave As",
         {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"export_picture", "Save Calendar &Image as... ", "Save Calendar as BMP or JPEG file\nBMP or JPEG file", {},
         false, "export_picture"},
        {"export_pdf", "Export as P&DF...", "Save the page as a PDF document\nPDF file", {}, false, "export_pdf"},
        {"file_print", "&Print...\tCtrl+P", "Print the active document\nPrint", {QKeySequence::Print}, false,
         "file_print"},
        {"print_preview", "Print Pre&view", "Display full pages for Printing Preview\nPrint Preview", {}, false,
         "print_preview"},
        {"insert_object", "Insert &New Object...", "Insert new linked or embedded object\nNew Object", {}},
        {"file_exit", "E&xit\tCtrl+Q", "Quit the application; prompts to save documents\nExit",
         {Key(Qt::CTRL | Qt::Key_Q)}},
        // Edit
        {"edit_undo", "&Undo\tCtrl+Z", "Undo the last action\nUndo", {QKeySequence::Undo}, false, "edit_undo"},
        {"edit_redo", "&Redo\tCtrl+Shift+Z", "Redo the previously undone action\nRedo",
         {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Key(Qt::CTRL | Qt::Key_Y)}, false, "edit_redo"},
        {"edit_cut", "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard\nCut", {QKeySequence::Cut}, false,
         "edit_cut"},
        {"edit_copy", "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard\nCopy", {QKeySequence::Copy},
         false, "edit_copy"},
        {"edit_paste", "&Paste\tCtrl+V", "Insert Clipboard contents\nPaste", {QKeySequence::Paste}, false,
         "edit_paste"},
        {"edit_delete", "&Delete\tDel", "Erase the selection\nErase", {Key(Qt::Key_Delete)}, false, "edit_delete"},
        {"edit_select_all", "Select &All\tCtrl+A", "Select the entire document\nSelect All",
         {Key(Qt::CTRL | Qt::Key_A)}},
        {"properties", "Proper&ties...\tAlt+Enter", "Edit drawing object properties",
         {Key(Qt::ALT | Qt::Key_Return), Key(Qt::ALT | Qt::Key_Enter)}, false, "properties"},
        // View
        {"view_toolbar", "&Toolbar", "Show or hide the toolbar\nToggle ToolBar", {}, true},
        {"view_status_bar", "&Status Bar", "Show or hide the status bar\nToggle StatusBar", {}, true},
        {"view_grid", "Design &Grid Lines\tG",
         "Toggle display of Design Gridlines on current Calendar\nToggle Gridlines", {Key(Qt::Key_G)}, true},
        {"view_show_objects", "Show &Objects", "Toggle OLE object indication", {}, true},
        {"zoom_in", "Zoom &In\tCtrl+=", "Increase Magnification - Zoom In\nZoom In",
         {Key(Qt::CTRL | Qt::Key_Equal)}, false, "zoom_in"},
        {"zoom_out", "Zoom O&ut\tCtrl+-", "Decrease Magnification - Zoom Out\nZoom Out",
         {Key(Qt::CTRL | Qt::Key_Minus)}, false, "zoom_out"},
        {"zoom_fit", "&Fit Page\tCtrl+0", "Show the whole page\nFit Page", {Key(Qt::CTRL | Qt::Key_0)}, false,
         "zoom_fit"},
        {"zoom_width", "Fit &Width", "Show the page as wide as the window\nFit Width", {}},
        {"zoom_actual", "&Actual Size\tCtrl+1", "Show the page at its natural size\nActual Size",
         {Key(Qt::CTRL | Qt::Key_1)}},
        {"background_color", "&Background Color",
         "Change Background Color of current Calendar\nBackground Color", {}, false, "background_color"},
        {"background_image", "Background &Image",
         "Change Background Image of current Calendar\nBackground Image", {}, false, "background_image"},
        {"options", "&Mondrel Options", "Set Default options of Mondrel\nMondrel Options", {}},
        // Draw: the eleven tools
        {"tool_select", "&Select", "Choose object selection tool\nSelection Tool", {Key(Qt::Key_S)}, true,
         "tool_select"},
        {"tool_line", "&Line", "Choose line drawing tool\nLine Tool", {Key(Qt::Key_L)}, true, "tool_line"},
        {"tool_rect", "&Rectangle", "Choose rectangle drawing tool\nRectangle Tool", {Key(Qt::Key_R)}, true,
         "tool_rect"},
        {"tool_roundrect", "R&ound Rectangle", "Choose rounded rectangle drawing tool\nRounded Rectange Tool",
         {Key(Qt::Key_N)}, true, "tool_roundrect"},
        {"tool_ellipse", "&Ellipse", "Choose ellipse, circle drawing tool\nEllipse, Circle Tool", {Key(Qt::Key_E)},
         true, "tool_ellipse"},
        {"tool_polygon", "&Polygon", "Choose the polygon drawing tool\nPolygon Tool", {}, true, "tool_polygon"},
        {"tool_text", "&Text", "Choose the Text tool to draw a Text\nText Tool", {}, true, "tool_text"},
        {"tool_calendar", "&Calendar", "Choose the Calendar Tool to Draw a Calendar Object\nCalendar Tool", {}, true,
         "tool_calendar"},
        {"tool_image", "&Image", "Choose the Image Tool to Draw an Image Object\nImage Tool", {}, true, "tool_image"},
        {"tool_frame", "&Frame", "Choose this tool to draw a frame\nFrame Tool", {}, true, "tool_frame"},
        {"tool_polyline", "Pol&yLine", "Choose this tool to draw a free hand line (polyline)\nPolyline Tool", {}, true,
         "tool_polyline"},
        // Object
        {"object_properties", "&Properties", "Change the Selected Object's Properties\nProperties", {}, false,
         "properties"},
        {"align_top", "Align &Top", "Align Selected Object - Top\nAlign Top", {}, false, "align_top"},
        {"align_bottom", "Align &Bottom", "Align Selected Objects - Bottom\nAlign Bottom", {}, false, "align_bottom"},
        {"align_center", "Align &Center", "Align Selected Objects - Center\nAlign Center", {}, false, "align_center"},
        {"align_vcenter", "Align &V Center", "Align Selected Objects - Center Vertically\nAlign Center Vertically", {},
         false, "align_vcenter"},
        {"align_left", "Align L&eft", "Align Selected Objects - Left\nAlign Left", {}, false, "align_left"},
        {"align_right", "Align Ri&ght", "Align Selected Objects - Right\nAlign Right", {}, false, "align_right"},
        {"same_width", "Same &Width", "Make width of selected objects same\nSame Width", {}, false, "same_width"},
        {"same_height", "Same &Height", "Make height of selected objects same\nSame Height", {}, false,
         "same_height"},
        {"same_size", "&Same Height, Width", "Make width, height of selected objects same\nSame Width, Height", {},
         false, "same_size"},
        {"space_across", "Space &Across",
         "Equally Space Objects Horizontally (Select Objects from Right to Left for correct results)\nEqually Space "
         "Across",
         {}, false, "space_across"},
        {"space_down", "Space &Down",
         "Equally Space Objects Down/Vertically (Select Objects from Top to Bottom for correct results)\nEqually "
         "Space Down",
         {}, false, "space_down"},
        // The z-order keys of the numeric pad, and their characters on the
        // main keyboard; Ctrl with the main keyboard's = and - zooms.
        {"move_front", "Move To Front\tCtrl+Plus", "Move object to front of drawing",
         {Key(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Plus), Key(Qt::Key_Plus)}, false, "move_front"},
        {"move_back", "Move To Back\tCtrl+Minus", "Move object to back of drawing",
         {Key(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Minus), Key(Qt::Key_Underscore)}, false, "move_back"},
        {"move_forward", "Move Forward\tPlus", "Move object to next position in z-order",
         {Key(Qt::KeypadModifier | Qt::Key_Plus), Key(Qt::Key_Equal)}, false, "move_forward"},
        {"move_backward", "Move Back\tMinus", "Move object to previous position in z-order",
         {Key(Qt::KeypadModifier | Qt::Key_Minus), Key(Qt::Key_Minus)}, false, "move_backward"},
        // Page
        {"page_new", "&New Page", "Add an empty page after the current page\nNew Page", {}},
        {"page_duplicate", "&Duplicate Page", "Add a copy of the current page after it\nDuplicate Page", {}},
        {"page_delete", "De&lete Page", "Delete the current page and its objects\nDelete Page", {}},
        {"page_earlier", "Move Page &Earlier", "Move the current page one place towards the front\nMove Page Earlier",
         {}},
        {"page_later", "Move Page &Later", "Move the current page one place towards the back\nMove Page Later", {}},
        {"page_next", "Ne&xt Page\tCtrl+PgDown", "Show the next page\nNext Page", {Key(Qt::CTRL | Qt::Key_PageDown)}},
        {"page_previous", "&Previous Page\tCtrl+PgUp", "Show the previous page\nPrevious Page",
         {Key(Qt::CTRL | Qt::Key_PageUp)}},
        // Window
        {"window_new", "&New Window", "Open another window for the active document\nNew Window", {}},
        {"window_split", "S&plit", "Split the active window into panes\nSplit", {}, true},
        {"window_cascade", "&Cascade", "Arrange windows so they overlap\nCascade Windows", {}},
        {"window_tile", "&Tile", "Arrange windows as non-overlapping tiles\nTile Windows", {}},
        {"window_arrange", "&Arrange Icons", "Arrange icons at the bottom of the window\nArrange Icons", {}},
        // Help
        {"help_tip", "Ti&p of the Day...", "Display a tip of the day\nTip of the Day", {}},
        {"help_topics", "&Help Topics\tF1", "List Help topics\nHelp Topics", {QKeySequence::HelpContents}, false,
         "help"},
        {"help_about", "&About Mondrel...", "Display program information, version number and copyright\nAbout", {}},
    };
    return table;
}

const CActionSpec* FindActionSpec(const char* id)
{
    for (const CActionSpec& row : ActionTable())
        if (std::strcmp(row.m_id, id) == 0) return &row;
    return nullptr;
}

const std::vector<CMenuSpec>& MenuTable()
{
    static const std::vector<CMenuSpec> menus = {
        {"&File",
         {"file_new", "file_open", "file_close", "file_save", "file_save_as", "-", "export_picture", "export_pdf", "-",
          "file_print", "print_preview", "-", "*recent", "-", "file_exit"}},
        {"&Edit",
         {"edit_undo", "edit_redo", "-", "edit_cut", "edit_copy", "edit_paste", "edit_delete", "-", "edit_select_all",
          "-", "insert_object", "-", "properties"}},
        {"&View",
         {"view_toolbar", "view_status_bar", "-", "view_grid", "view_show_objects", "-", "zoom_in", "zoom_out",
          "zoom_fit", "zoom_width", "zoom_actual", "-", "background_color", "background_image", "-", "options"}},
        {"&Draw",
         {"tool_select", "-", "tool_line", "tool_rect", "tool_roundrect", "tool_ellipse", "tool_polygon",
          "tool_polyline", "-", "tool_text", "tool_calendar", "tool_image", "tool_frame"}},
        {"&Object",
         {"object_properties", "-", "align_top", "align_bottom", "align_center", "align_vcenter", "align_left",
          "align_right", "-", "same_width", "same_height", "same_size", "-", "space_across", "space_down", "-",
          "move_front", "move_back", "move_forward", "move_backward"}},
        {"&Page",
         {"page_new", "page_duplicate", "page_delete", "-", "page_earlier", "page_later", "-", "page_next",
          "page_previous"}},
        {"&Window", {"window_new", "window_split", "-", "window_cascade", "window_tile", "window_arrange", "*windows"}},
        {"&Help", {"help_tip", "-", "help_topics", "-", "help_about"}},
    };
    return menus;
}

const std::vector<const char*>& ToolbarTable()
{
    static const std::vector<const char*> bar = {
        "file_new", "file_open", "file_save", "-", "edit_cut", "edit_copy", "edit_paste", "-", "edit_undo",
        "edit_redo", "-", "file_print", "export_picture", "-", "tool_select", "tool_line", "tool_rect",
        "tool_roundrect", "tool_ellipse", "tool_polygon", "tool_polyline", "tool_text", "tool_calendar",
        "tool_image", "tool_frame", "-", "align_top", "align_bottom", "align_left", "align_right", "align_center",
        "align_vcenter", "-", "move_front", "move_back", "-", "zoom_in", "zoom_out", "zoom_fit", "-", "properties",
        "help_topics"};
    return bar;
}
