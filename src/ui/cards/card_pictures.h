#pragma once
// The shared card pictures: the faces of every suit and rank and the back
// designs, cut from the picture sheet "carddeck.bmp": the user's own sheet
// once the face colours have been switched, else the one shipped.
// Every card control copies its picture from here, so switching the face
// colours or recolouring a back shows on a card only once it rebuilds.

#include <QImage>
#include <QSize>
#include <QString>

#include "common/program_folders.h"
#include "model/codes.h"

namespace tavlo {

inline constexpr int CardWidth = 71, CardHeight = 95;
inline constexpr int SheetColumns = 15, SheetRows = 5, BackDesignCount = 15;
inline constexpr int BackRow = 4;
inline constexpr char CardSheetFileName[] = "carddeck.bmp";
// Back designs from this one on have a plain background that can be recoloured.
inline constexpr int FirstRecolourableDesign = 12;

// Light faces carry pure red and yellow; the dark set turns them to maroon and
// olive. Only these exact colours are switched.
inline constexpr QRgb LightRed = 0xFFFF0000, LightYellow = 0xFFFFFF00;
inline constexpr QRgb DarkRed = 0xFF800000, DarkYellow = 0xFF808000;
enum FaceColourSet { LightFaces = 0, DarkFaces = 1 };

// Cuts the face pictures (and, the first time, the back pictures) from the
// sheet found in folders and derives the face set. A missing or unreadable
// sheet leaves the pictures as they were: blank cards at the first start.
void LoadCardPictures(const ProgramFolders& folders);
// Drops every picture; the next load starts afresh, backs included.
void FreeCardPictures();
// The face colour set in force, derived from the sheet at every load.
FaceColourSet FaceSet();
// Switches the faces to the dark or light set by writing the switched sheet
// into the user folder (which keeps the choice across restarts) and reloading. The sheet is
// replaced whole or not at all; on failure the user is told, and the face set and the sheet stay as
// they were. Returns whether the faces are now in the set asked.
bool SetDarkFaces(bool dark);
// Gives the background of a back design (the colour of its pixel (10, 10))
// the colour; a second recolouring starts from the colour set the first time.
void RecolourBackDesign(Colour colour, int design);

// The pictures themselves; null images while no sheet has been loaded.
const QImage& FacePicture(int suit, int column);
const QImage& BackPicture(int design);

// The pictures at the size in pixels they are shown at. At the sheet's own
// size they are the sheet's, unless the four-colour deck is chosen; at any
// other size they are drawn afresh (in the face colour set and with the back
// colours in force) and kept for the next card of that size.
QImage FacePictureAt(int suit, int column, QSize pixels);
QImage BackPictureAt(int design, QSize pixels);

// Gives every pixel of the one colour the other.
void ReplaceColour(QImage& picture, QRgb from, QRgb to);

// Writes the image as BMP through a temporary file renamed over the old one,
// so that a failure never leaves a torn sheet. Returns an empty text on
// success, otherwise the reason.
QString SaveSheetAtomically(const QImage& sheet, const QString& path);

}  // namespace tavlo
