#include "app/Actions.h"

#include <QtCore/QtGlobal>

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
        {"file_new", QT_TRANSLATE_NOOP("Actions", "&New\tCtrl+N"),
         QT_TRANSLATE_NOOP("Actions", "Create a new document\nNew"), {QKeySequence::New}, false, "file_new"},
        {"file_open", QT_TRANSLATE_NOOP("Actions", "&Open...\tCtrl+O"),
         QT_TRANSLATE_NOOP("Actions", "Open an existing document\nOpen"), {QKeySequence::Open}, false, "file_open"},
        {"file_close", QT_TRANSLATE_NOOP("Actions", "&Close\tCtrl+W"),
         QT_TRANSLATE_NOOP("Actions", "Close the active document\nClose"), {Key(Qt::CTRL | Qt::Key_W)}},
        {"file_save", QT_TRANSLATE_NOOP("Actions", "&Save\tCtrl+S"),
         QT_TRANSLATE_NOOP("Actions", "Save the active document\nSave"), {QKeySequence::Save}, false, "file_save"},
        {"file_save_as", QT_TRANSLATE_NOOP("Actions", "Save &As...\tCtrl+Shift+S"),
         QT_TRANSLATE_NOOP("Actions", "Save the active document with a new name\nSave As"),
         {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"export_picture", QT_TRANSLATE_NOOP("Actions", "Save Calendar &Image as... "),
         QT_TRANSLATE_NOOP("Actions", "Save Calendar as BMP or JPEG file\nBMP or JPEG file"), {},
         false, "export_picture"},
        {"export_pdf", QT_TRANSLATE_NOOP("Actions", "Export as P&DF..."),
         QT_TRANSLATE_NOOP("Actions", "Save the page as a PDF document\nPDF file"), {}, false, "export_pdf"},
        {"file_print", QT_TRANSLATE_NOOP("Actions", "&Print...\tCtrl+P"),
         QT_TRANSLATE_NOOP("Actions", "Print the active document\nPrint"), {QKeySequence::Print}, false,
         "file_print"},
        {"print_preview", QT_TRANSLATE_NOOP("Actions", "Print Pre&view"),
         QT_TRANSLATE_NOOP("Actions", "Display full pages for Printing Preview\nPrint Preview"), {}, false,
         "print_preview"},
        {"insert_object", QT_TRANSLATE_NOOP("Actions", "Insert &New Object..."),
         QT_TRANSLATE_NOOP("Actions", "Insert new linked or embedded object\nNew Object"), {}},
        {"file_exit", QT_TRANSLATE_NOOP("Actions", "E&xit\tCtrl+Q"),
         QT_TRANSLATE_NOOP("Actions", "Quit the application; prompts to save documents\nExit"),
         {Key(Qt::CTRL | Qt::Key_Q)}},
        // Edit
        {"edit_undo", QT_TRANSLATE_NOOP("Actions", "&Undo\tCtrl+Z"),
         QT_TRANSLATE_NOOP("Actions", "Undo the last action\nUndo"), {QKeySequence::Undo}, false, "edit_undo"},
        {"edit_redo", QT_TRANSLATE_NOOP("Actions", "&Redo\tCtrl+Shift+Z"),
         QT_TRANSLATE_NOOP("Actions", "Redo the previously undone action\nRedo"),
         {Key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), Key(Qt::CTRL | Qt::Key_Y)}, false, "edit_redo"},
        {"edit_cut", QT_TRANSLATE_NOOP("Actions", "Cu&t\tCtrl+X"),
         QT_TRANSLATE_NOOP("Actions", "Cut the selection and put it on the Clipboard\nCut"), {QKeySequence::Cut}, false,
         "edit_cut"},
        {"edit_copy", QT_TRANSLATE_NOOP("Actions", "&Copy\tCtrl+C"),
         QT_TRANSLATE_NOOP("Actions", "Copy the selection and put it on the Clipboard\nCopy"), {QKeySequence::Copy},
         false, "edit_copy"},
        {"edit_paste", QT_TRANSLATE_NOOP("Actions", "&Paste\tCtrl+V"),
         QT_TRANSLATE_NOOP("Actions", "Insert Clipboard contents\nPaste"), {QKeySequence::Paste}, false,
         "edit_paste"},
        {"edit_delete", QT_TRANSLATE_NOOP("Actions", "&Delete\tDel"),
         QT_TRANSLATE_NOOP("Actions", "Erase the selection\nErase"), {Key(Qt::Key_Delete)}, false, "edit_delete"},
        {"edit_select_all", QT_TRANSLATE_NOOP("Actions", "Select &All\tCtrl+A"),
         QT_TRANSLATE_NOOP("Actions", "Select the entire document\nSelect All"),
         {Key(Qt::CTRL | Qt::Key_A)}},
        {"properties", QT_TRANSLATE_NOOP("Actions", "Proper&ties...\tAlt+Enter"),
         QT_TRANSLATE_NOOP("Actions", "Edit drawing object properties"),
         {Key(Qt::ALT | Qt::Key_Return), Key(Qt::ALT | Qt::Key_Enter)}, false, "properties"},
        // View
        {"view_toolbar", QT_TRANSLATE_NOOP("Actions", "&Toolbar"),
         QT_TRANSLATE_NOOP("Actions", "Show or hide the toolbar\nToggle ToolBar"), {}, true},
        {"view_status_bar", QT_TRANSLATE_NOOP("Actions", "&Status Bar"),
         QT_TRANSLATE_NOOP("Actions", "Show or hide the status bar\nToggle StatusBar"), {}, true},
        {"view_page_strip", QT_TRANSLATE_NOOP("Actions", "Page St&rip"),
         QT_TRANSLATE_NOOP("Actions", "Show or hide the pictures of the pages\nToggle Page Strip"), {}, true},
        {"view_grid", QT_TRANSLATE_NOOP("Actions", "Design &Grid Lines\tG"),
         QT_TRANSLATE_NOOP("Actions", "Toggle display of Design Gridlines on current Calendar\nToggle Gridlines"), {Key(Qt::Key_G)}, true},
        {"view_show_objects", QT_TRANSLATE_NOOP("Actions", "Show &Objects"),
         QT_TRANSLATE_NOOP("Actions", "Toggle OLE object indication"), {}, true},
        {"zoom_in", QT_TRANSLATE_NOOP("Actions", "Zoom &In\tCtrl+="),
         QT_TRANSLATE_NOOP("Actions", "Increase Magnification - Zoom In\nZoom In"),
         {Key(Qt::CTRL | Qt::Key_Equal)}, false, "zoom_in"},
        {"zoom_out", QT_TRANSLATE_NOOP("Actions", "Zoom O&ut\tCtrl+-"),
         QT_TRANSLATE_NOOP("Actions", "Decrease Magnification - Zoom Out\nZoom Out"),
         {Key(Qt::CTRL | Qt::Key_Minus)}, false, "zoom_out"},
        {"zoom_fit", QT_TRANSLATE_NOOP("Actions", "&Fit Page\tCtrl+0"),
         QT_TRANSLATE_NOOP("Actions", "Show the whole page\nFit Page"), {Key(Qt::CTRL | Qt::Key_0)}, false,
         "zoom_fit"},
        {"zoom_width", QT_TRANSLATE_NOOP("Actions", "Fit &Width"),
         QT_TRANSLATE_NOOP("Actions", "Show the page as wide as the window\nFit Width"), {}},
        {"zoom_actual", QT_TRANSLATE_NOOP("Actions", "&Actual Size\tCtrl+1"),
         QT_TRANSLATE_NOOP("Actions", "Show the page at its natural size\nActual Size"),
         {Key(Qt::CTRL | Qt::Key_1)}},
        {"background_color", QT_TRANSLATE_NOOP("Actions", "&Background Color"),
         QT_TRANSLATE_NOOP("Actions", "Change Background Color of current Calendar\nBackground Color"), {}, false, "background_color"},
        {"background_image", QT_TRANSLATE_NOOP("Actions", "Background &Image"),
         QT_TRANSLATE_NOOP("Actions", "Change Background Image of current Calendar\nBackground Image"), {}, false, "background_image"},
        {"options", QT_TRANSLATE_NOOP("Actions", "&Mondrel Options"),
         QT_TRANSLATE_NOOP("Actions", "Set Default options of Mondrel\nMondrel Options"), {}},
        // Draw: the eleven tools
        {"tool_select", QT_TRANSLATE_NOOP("Actions", "&Select"),
         QT_TRANSLATE_NOOP("Actions", "Choose object selection tool\nSelection Tool"), {Key(Qt::Key_S)}, true,
         "tool_select"},
        {"tool_line", QT_TRANSLATE_NOOP("Actions", "&Line"),
         QT_TRANSLATE_NOOP("Actions", "Choose line drawing tool\nLine Tool"), {Key(Qt::Key_L)}, true, "tool_line"},
        {"tool_rect", QT_TRANSLATE_NOOP("Actions", "&Rectangle"),
         QT_TRANSLATE_NOOP("Actions", "Choose rectangle drawing tool\nRectangle Tool"), {Key(Qt::Key_R)}, true,
         "tool_rect"},
        {"tool_roundrect", QT_TRANSLATE_NOOP("Actions", "R&ound Rectangle"),
         QT_TRANSLATE_NOOP("Actions", "Choose rounded rectangle drawing tool\nRounded Rectange Tool"),
         {Key(Qt::Key_N)}, true, "tool_roundrect"},
        {"tool_ellipse", QT_TRANSLATE_NOOP("Actions", "&Ellipse"),
         QT_TRANSLATE_NOOP("Actions", "Choose ellipse, circle drawing tool\nEllipse, Circle Tool"), {Key(Qt::Key_E)},
         true, "tool_ellipse"},
        {"tool_polygon", QT_TRANSLATE_NOOP("Actions", "&Polygon"),
         QT_TRANSLATE_NOOP("Actions", "Choose the polygon drawing tool\nPolygon Tool"), {}, true, "tool_polygon"},
        {"tool_text", QT_TRANSLATE_NOOP("Actions", "&Text"),
         QT_TRANSLATE_NOOP("Actions", "Choose the Text tool to draw a Text\nText Tool"), {}, true, "tool_text"},
        {"tool_calendar", QT_TRANSLATE_NOOP("Actions", "&Calendar"),
         QT_TRANSLATE_NOOP("Actions", "Choose the Calendar Tool to Draw a Calendar Object\nCalendar Tool"), {}, true,
         "tool_calendar"},
        {"tool_image", QT_TRANSLATE_NOOP("Actions", "&Image"),
         QT_TRANSLATE_NOOP("Actions", "Choose the Image Tool to Draw an Image Object\nImage Tool"), {}, true, "tool_image"},
        {"tool_frame", QT_TRANSLATE_NOOP("Actions", "&Frame"),
         QT_TRANSLATE_NOOP("Actions", "Choose this tool to draw a frame\nFrame Tool"), {}, true, "tool_frame"},
        {"tool_polyline", QT_TRANSLATE_NOOP("Actions", "Pol&yLine"),
         QT_TRANSLATE_NOOP("Actions", "Choose this tool to draw a free hand line (polyline)\nPolyline Tool"), {}, true,
         "tool_polyline"},
        // Object
        {"object_properties", QT_TRANSLATE_NOOP("Actions", "&Properties"),
         QT_TRANSLATE_NOOP("Actions", "Change the Selected Object's Properties\nProperties"), {}, false,
         "properties"},
        {"align_top", QT_TRANSLATE_NOOP("Actions", "Align &Top"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Object - Top\nAlign Top"), {}, false, "align_top"},
        {"align_bottom", QT_TRANSLATE_NOOP("Actions", "Align &Bottom"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Objects - Bottom\nAlign Bottom"), {}, false, "align_bottom"},
        {"align_center", QT_TRANSLATE_NOOP("Actions", "Align &Center"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Objects - Center\nAlign Center"), {}, false, "align_center"},
        {"align_vcenter", QT_TRANSLATE_NOOP("Actions", "Align &V Center"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Objects - Center Vertically\nAlign Center Vertically"), {},
         false, "align_vcenter"},
        {"align_left", QT_TRANSLATE_NOOP("Actions", "Align L&eft"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Objects - Left\nAlign Left"), {}, false, "align_left"},
        {"align_right", QT_TRANSLATE_NOOP("Actions", "Align Ri&ght"),
         QT_TRANSLATE_NOOP("Actions", "Align Selected Objects - Right\nAlign Right"), {}, false, "align_right"},
        {"same_width", QT_TRANSLATE_NOOP("Actions", "Same &Width"),
         QT_TRANSLATE_NOOP("Actions", "Make width of selected objects same\nSame Width"), {}, false, "same_width"},
        {"same_height", QT_TRANSLATE_NOOP("Actions", "Same &Height"),
         QT_TRANSLATE_NOOP("Actions", "Make height of selected objects same\nSame Height"), {}, false,
         "same_height"},
        {"same_size", QT_TRANSLATE_NOOP("Actions", "&Same Height, Width"),
         QT_TRANSLATE_NOOP("Actions", "Make width, height of selected objects same\nSame Width, Height"), {},
         false, "same_size"},
        {"space_across", QT_TRANSLATE_NOOP("Actions", "Space &Across"),
         QT_TRANSLATE_NOOP("Actions", "Equally Space Objects Horizontally (Select Objects from Right to Left for correct results)\nEqually Space "
         "Across"),
         {}, false, "space_across"},
        {"space_down", QT_TRANSLATE_NOOP("Actions", "Space &Down"),
         QT_TRANSLATE_NOOP("Actions", "Equally Space Objects Down/Vertically (Select Objects from Top to Bottom for correct results)\nEqually "
         "Space Down"),
         {}, false, "space_down"},
        // The z-order keys of the numeric pad, and their characters on the
        // main keyboard; Ctrl with the main keyboard's = and - zooms.
        {"move_front", QT_TRANSLATE_NOOP("Actions", "Move To Front\tCtrl+Plus"),
         QT_TRANSLATE_NOOP("Actions", "Move object to front of drawing"),
         {Key(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Plus), Key(Qt::Key_Plus)}, false, "move_front"},
        {"move_back", QT_TRANSLATE_NOOP("Actions", "Move To Back\tCtrl+Minus"),
         QT_TRANSLATE_NOOP("Actions", "Move object to back of drawing"),
         {Key(Qt::CTRL | Qt::KeypadModifier | Qt::Key_Minus), Key(Qt::Key_Underscore)}, false, "move_back"},
        {"move_forward", QT_TRANSLATE_NOOP("Actions", "Move Forward\tPlus"),
         QT_TRANSLATE_NOOP("Actions", "Move object to next position in z-order"),
         {Key(Qt::KeypadModifier | Qt::Key_Plus), Key(Qt::Key_Equal)}, false, "move_forward"},
        {"move_backward", QT_TRANSLATE_NOOP("Actions", "Move Back\tMinus"),
         QT_TRANSLATE_NOOP("Actions", "Move object to previous position in z-order"),
         {Key(Qt::KeypadModifier | Qt::Key_Minus), Key(Qt::Key_Minus)}, false, "move_backward"},
        // Page
        {"page_new", QT_TRANSLATE_NOOP("Actions", "&New Page"), QT_TRANSLATE_NOOP("Actions", "Add an empty page after the current page\nNew Page"), {}},
        {"page_duplicate", QT_TRANSLATE_NOOP("Actions", "&Duplicate Page"), QT_TRANSLATE_NOOP("Actions", "Add a copy of the current page after it\nDuplicate Page"), {}},
        {"page_delete", QT_TRANSLATE_NOOP("Actions", "De&lete Page"), QT_TRANSLATE_NOOP("Actions", "Delete the current page and its objects\nDelete Page"), {}},
        {"page_earlier", QT_TRANSLATE_NOOP("Actions", "Move Page &Earlier"), QT_TRANSLATE_NOOP("Actions", "Move the current page one place towards the front\nMove Page Earlier"),
         {}},
        {"page_later", QT_TRANSLATE_NOOP("Actions", "Move Page &Later"), QT_TRANSLATE_NOOP("Actions", "Move the current page one place towards the back\nMove Page Later"), {}},
        {"page_next", QT_TRANSLATE_NOOP("Actions", "Ne&xt Page\tCtrl+PgDown"), QT_TRANSLATE_NOOP("Actions", "Show the next page\nNext Page"), {Key(Qt::CTRL | Qt::Key_PageDown)}},
        {"page_previous", QT_TRANSLATE_NOOP("Actions", "&Previous Page\tCtrl+PgUp"), QT_TRANSLATE_NOOP("Actions", "Show the previous page\nPrevious Page"),
         {Key(Qt::CTRL | Qt::Key_PageUp)}},
        // Window
        {"window_new", QT_TRANSLATE_NOOP("Actions", "&New Window"),
         QT_TRANSLATE_NOOP("Actions", "Open another window for the active document\nNew Window"), {}},
        {"window_split", QT_TRANSLATE_NOOP("Actions", "S&plit"),
         QT_TRANSLATE_NOOP("Actions", "Split the active window into panes\nSplit"), {}, true},
        {"window_cascade", QT_TRANSLATE_NOOP("Actions", "&Cascade"),
         QT_TRANSLATE_NOOP("Actions", "Arrange windows so they overlap\nCascade Windows"), {}},
        {"window_tile", QT_TRANSLATE_NOOP("Actions", "&Tile"),
         QT_TRANSLATE_NOOP("Actions", "Arrange windows as non-overlapping tiles\nTile Windows"), {}},
        {"window_arrange", QT_TRANSLATE_NOOP("Actions", "&Arrange Icons"),
         QT_TRANSLATE_NOOP("Actions", "Arrange icons at the bottom of the window\nArrange Icons"), {}},
        // Help
        {"help_tip", QT_TRANSLATE_NOOP("Actions", "Ti&p of the Day..."),
         QT_TRANSLATE_NOOP("Actions", "Display a tip of the day\nTip of the Day"), {}},
        {"help_topics", QT_TRANSLATE_NOOP("Actions", "&Help Topics\tF1"),
         QT_TRANSLATE_NOOP("Actions", "List Help topics\nHelp Topics"), {QKeySequence::HelpContents}, false,
         "help"},
        {"help_about", QT_TRANSLATE_NOOP("Actions", "&About Mondrel..."),
         QT_TRANSLATE_NOOP("Actions", "Display program information, version number and copyright\nAbout"), {}},
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
        {QT_TRANSLATE_NOOP("Actions", "&File"),
         {"file_new", "file_open", "file_close", "file_save", "file_save_as", "-", "export_picture", "export_pdf", "-",
          "file_print", "print_preview", "-", "*recent", "-", "file_exit"}},
        {QT_TRANSLATE_NOOP("Actions", "&Edit"),
         {"edit_undo", "edit_redo", "-", "edit_cut", "edit_copy", "edit_paste", "edit_delete", "-", "edit_select_all",
          "-", "insert_object", "-", "properties"}},
        {QT_TRANSLATE_NOOP("Actions", "&View"),
         {"view_toolbar", "view_status_bar", "view_page_strip", "-", "view_grid", "view_show_objects", "-", "zoom_in", "zoom_out",
          "zoom_fit", "zoom_width", "zoom_actual", "-", "background_color", "background_image", "-", "options"}},
        {QT_TRANSLATE_NOOP("Actions", "&Draw"),
         {"tool_select", "-", "tool_line", "tool_rect", "tool_roundrect", "tool_ellipse", "tool_polygon",
          "tool_polyline", "-", "tool_text", "tool_calendar", "tool_image", "tool_frame"}},
        {QT_TRANSLATE_NOOP("Actions", "&Object"),
         {"object_properties", "-", "align_top", "align_bottom", "align_center", "align_vcenter", "align_left",
          "align_right", "-", "same_width", "same_height", "same_size", "-", "space_across", "space_down", "-",
          "move_front", "move_back", "move_forward", "move_backward"}},
        {QT_TRANSLATE_NOOP("Actions", "&Page"),
         {"page_new", "page_duplicate", "page_delete", "-", "page_earlier", "page_later", "-", "page_next",
          "page_previous"}},
        {QT_TRANSLATE_NOOP("Actions", "&Window"), {"window_new", "window_split", "-", "window_cascade", "window_tile", "window_arrange", "*windows"}},
        {QT_TRANSLATE_NOOP("Actions", "&Help"), {"help_tip", "-", "help_topics", "-", "help_about"}},
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
