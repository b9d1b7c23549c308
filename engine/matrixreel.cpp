#include "matrixreel.h"

#include "bruchfonts.h"
#include "reeltext.h"
#include "strbruch.h"

// In place.
void MatrixReel::gauss() { matrix<reel>::gauss(nullptr); }
void MatrixReel::gaussJordan() { matrix<reel>::gaussJordan(); }
void MatrixReel::pivotiere(int row, int column) { matrix<reel>::pivotiere(row, column); }
void MatrixReel::eckenfindung() { matrix<reel>::eckenfindung(); }

// Replaced by the result only once the algorithm has returned, so an overflow
// leaves the document as it was.
void MatrixReel::loesung() { matrix<reel>::operator=(matrix<reel>::loesung()); }
void MatrixReel::inverse() { matrix<reel>::operator=(matrix<reel>::inverse()); }
void MatrixReel::bild() { matrix<reel>::operator=(matrix<reel>::bild()); }
void MatrixReel::kern() { matrix<reel>::operator=(matrix<reel>::kern()); }
void MatrixReel::determinante() { matrix<reel>::operator=(matrix<reel>::determinante()); }
void MatrixReel::simplex() { matrix<reel>::operator=(matrix<reel>::simplex()); }
void MatrixReel::naehrungsloesung() { matrix<reel>::operator=(matrix<reel>::naehrungsloesung()); }

std::string MatrixReel::cellText(int row, int column, const FloatFormat&) const {
    return ::cellText(at(row, column));
}

void MatrixReel::setCellText(int row, int column, std::string_view text) {
    at(row, column) = reelFromCellText(text);
}

int MatrixReel::cellWidth(int row, int column, const bruchfonts& s, dc& d) const {
    return strbruch(at(row, column), s, d).width;
}

int MatrixReel::rowHeight(const bruchfonts& s) const { return s.fractionRowHeight(); }

void MatrixReel::drawCell(int x, int y, int row, int column, const bruchfonts& s, dc& d) const {
    strbruch(at(row, column), s, d).draw(x, y, s, d);
}
