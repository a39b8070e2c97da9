#pragma once

#include <QByteArrayView>
#include <QStringView>

// A file is a video clip when its last three characters are "DAT" in any letter case;
// there is no test for a full stop, so a name ending in XDAT is a video clip too.
// Every other file is an MP3 song.
bool isVideoClip(QStringView pathOrName);

// The kind filter of the listing and of the search, from the states of its two check
// boxes (0 clear, 1 ticked, 2 greyed). Only "MP3 only" and "video only" filter.
bool passesKindFilter(QStringView fullPath, int mp3State, int videoState);

// The same rules for a path as it stands in a windows-1250 file.
bool isVideoClip(QByteArrayView pathOrName);
bool passesKindFilter(QByteArrayView fullPath, int mp3State, int videoState);
