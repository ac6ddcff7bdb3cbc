#pragma once

#include <memory>
#include <string>
#include <vector>

namespace KOR_GF {

class gPlayer;

// The registry of player profiles and the players file "players.xml". It
// owns the profiles; names are unique (exact comparison) and `current` is
// null or one of them. Profiles are made by the game's factory, so the file
// is read into the game's profile class.
class G_PLAYERS {
 public:
  // Makes a profile of the game's class with that name.
  using FACTORY = std::unique_ptr<gPlayer> (*)(const std::wstring& name);

  G_PLAYERS() = default;
  G_PLAYERS(const G_PLAYERS&) = delete;
  G_PLAYERS& operator=(const G_PLAYERS&) = delete;
  ~G_PLAYERS();

  gPlayer* find(const std::wstring& name) const;
  // Takes the profile; false when the name is taken, and the caller keeps it.
  bool add(std::unique_ptr<gPlayer>& player);
  // Deletes the profile, clearing `current` when it was the current one.
  bool remove(const std::wstring& name);
  std::vector<std::wstring> names() const;
  // A new profile with that name, added; null when the name is taken or no
  // factory is set.
  gPlayer* create(const std::wstring& name);

  // Reads folder + "players.xml"; false when there is no such file. A file
  // that cannot be read or does not parse adds nothing and is renamed to
  // "players.xml.damaged" (or .damaged.1, ...), so a later save cannot
  // overwrite the progress it may still hold. Of two profiles whose names
  // the file spells alike the first is kept; a name that, without what a
  // players file cannot hold, equals another gets a number ("Ann 2"), and
  // one left empty is "Player", so no profile is lost.
  bool load(const std::string& folder);
  // Writes a temporary file beside "players.xml" and renames it over the
  // old one, so a failed write leaves the old file whole. False when the
  // file could not be written.
  bool save(const std::string& folder) const;

  gPlayer* current = nullptr;
  FACTORY factory = nullptr;
  // Where the last load put a file it could not read (its own place when
  // it could not be moved); empty when none.
  std::string set_aside;
  // The names the last load gave profiles whose names in the file were
  // not kept as they stood, in file order.
  std::vector<std::wstring> renamed;
  std::vector<std::unique_ptr<gPlayer>> players;  // in the order loaded or added
};

G_PLAYERS& players_instance();
// `G_PLAYERS::create` on the registry singleton.
gPlayer* players_create(const std::wstring& name);

}  // namespace KOR_GF
