#pragma once

// The paper and its four margins as the page setup records them, all in one
// unit (points).
struct PageGeometry {
    int paperWidth = 0, paperHeight = 0;
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;
};
