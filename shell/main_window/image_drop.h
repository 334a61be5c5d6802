#pragma once

// A file dropped on the main window opens in it, as File > Open does.

class QWidget;

void acceptDroppedImages(QWidget& window);
