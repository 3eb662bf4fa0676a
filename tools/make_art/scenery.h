#pragma once

#include <QImage>

namespace art {

// Seamless table tiles: plain felt, a Paris damask and an army camouflage.
QImage FeltTile();
QImage DamaskTile();
QImage CamouflageTile();

// Button pictures for passing and folding, and the program's own icon.
QImage PassIcon();
QImage FoldIcon();
QImage ProgramIcon();

// The start-up picture: a fan of cards and the title.
QImage SplashPicture();

}  // namespace art
