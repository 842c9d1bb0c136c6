#pragma once

// The Object menu's arrange commands: line up, size alike, space and
// restack the selected objects. The first object selected is the reference.
// Rectangles are compared by their visual edges, whatever order their
// corners were stored in (objects drawn from the lower right, or generated
// ones, keep left > right), and every object keeps its own corner order and
// size. The new rectangles are computed by plain functions so that they can
// be checked without a window.

#include "objects/Types.h"

#include <vector>

enum class ArrangeCommand {
    alignTop,
    alignBottom,
    alignCenter,   // the same vertical centre
    alignVCenter,  // the same horizontal centre
    alignLeft,
    alignRight,
    sameWidth,
    sameHeight,
    sameSize,
    spaceAcross,
    spaceDown,
};

// The rectangles after the command, in the order given (selection order,
// reference first). Fewer rectangles than the command needs come back as
// they are.
std::vector<CRect> ArrangeRects(ArrangeCommand command, const std::vector<CRect>& rects);
// How many selected objects the command needs (2, or 3 for spacing).
int ArrangeMinimum(ArrangeCommand command);

enum class ZOrderCommand { toFront, toBack, forward, backward };
// The new place in a list of count objects of the object at index, or the
// same index when it cannot move.
int ZOrderTarget(ZOrderCommand command, int index, int count);
