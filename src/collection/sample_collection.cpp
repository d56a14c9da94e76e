#include "collection/sample_collection.h"

#include <initializer_list>

#include "collection/collection_file.h"

namespace qm {
namespace {

struct SampleWord {
    const char* word;
    const char* clue;
};

struct SamplePuzzle {
    const char* category;
    const char* title;
    const char* bonusQuestion;
    std::initializer_list<SampleWord> words;
};

const SamplePuzzle kSamplePuzzles[] = {
    {"Animals",
     "Farm Animals",
     "Which farm animal gives us wool?",
     {{"COW", "Gives us milk"},
      {"HORSE", "Pulls a plough or a cart"},
      {"PIG", "Rolls in the mud"},
      {"SHEEP", "Its coat is shorn every spring"},
      {"GOAT", "Climbs and eats almost anything"},
      {"HEN", "Lays eggs"},
      {"DUCK", "Swims on the pond and quacks"},
      {"DONKEY", "A small cousin of the horse"},
      {"TURKEY", "A large bird that gobbles"},
      {"GOOSE", "A farmyard bird that honks"}}},
    {"Animals",
     "Ocean Life",
     "",
     {{"WHALE", "The largest animal on Earth"},
      {"DOLPHIN", "A clever mammal that clicks and whistles"},
      {"SHARK", "A fish with many rows of teeth"},
      {"OCTOPUS", "Has eight arms"},
      {"CRAB", "Walks sideways"},
      {"STARFISH", "Can grow a new arm"},
      {"JELLYFISH", "Drifts and stings"},
      {"SEAHORSE", "The father carries the eggs"},
      {"TURTLE", "Carries its shell wherever it swims"},
      {"CORAL", "Builds reefs"}}},
    {"Animals",
     "Jungle Animals",
     "",
     {{"TIGER", "A striped big cat"},
      {"MONKEY", "Swings from branch to branch"},
      {"PARROT", "A colourful bird that can talk"},
      {"SLOTH", "Moves very slowly"},
      {"JAGUAR", "A spotted hunter of South America"},
      {"TOUCAN", "Has a huge bright beak"},
      {"GORILLA", "The largest ape"},
      {"PYTHON", "A snake that squeezes its prey"}}},
    {"Science",
     "The Planets",
     "Which planet is known as the red planet?",
     {{"MERCURY", "Closest to the Sun"},
      {"VENUS", "The hottest planet"},
      {"EARTH", "Our home"},
      {"MARS", "Has the tallest volcano"},
      {"JUPITER", "The largest planet"},
      {"SATURN", "Famous for its rings"},
      {"URANUS", "Spins on its side"},
      {"NEPTUNE", "The windiest planet"}}},
    {"Science",
     "Weather",
     "",
     {{"RAIN", "Water falling from clouds"},
      {"SNOW", "Frozen flakes"},
      {"THUNDER", "The sound after lightning"},
      {"RAINBOW", "Seven colours in the sky"},
      {"FOG", "A cloud at ground level"},
      {"HAIL", "Balls of ice"},
      {"WIND", "Moving air"},
      {"FROST", "White ice on cold mornings"},
      {"STORM", "Strong wind with rain"}}},
    {"Geography",
     "Capital Cities",
     "",
     {{"PARIS", "Capital of France"},
      {"MADRID", "Capital of Spain"},
      {"ROME", "Capital of Italy"},
      {"BERLIN", "Capital of Germany"},
      {"LISBON", "Capital of Portugal"},
      {"VIENNA", "Capital of Austria"},
      {"OSLO", "Capital of Norway"},
      {"ATHENS", "Capital of Greece"},
      {"DUBLIN", "Capital of Ireland"},
      {"CAIRO", "Capital of Egypt"}}},
    {"Sports",
     "Ball Games",
     "",
     {{"FOOTBALL", "Eleven players a side"},
      {"TENNIS", "Played with rackets over a net"},
      {"CRICKET", "Bowled at a wicket"},
      {"BASEBALL", "Home runs"},
      {"GOLF", "Eighteen holes"},
      {"RUGBY", "An oval ball"},
      {"HOCKEY", "Played with sticks"},
      {"VOLLEYBALL", "Hit over a high net"}}},
};

void fillRecord(const SamplePuzzle& sample, const PageLayoutRecord& layout, PuzzleRecord& record)
{
    resetToNewPuzzle(record, layout);
    record.VersionTag = kVersionTagText;
    record.Category = sample.category;
    record.Title = sample.title;
    record.BonusQuestion = sample.bonusQuestion;
    int slot = 0;
    for (const SampleWord& word : sample.words) {
        record.Words[static_cast<std::size_t>(slot)] = word.word;
        record.Clues[static_cast<std::size_t>(slot)] = word.clue;
        ++slot;
    }
    record.WordCount = static_cast<std::int16_t>(slot);
}

}  // namespace

Status writeSampleCollection(const std::filesystem::path& path, const PageLayoutRecord& layout)
{
    CollectionFile collection(path);
    if (Status created = collection.CreateCollection(); !created) return created;
    auto record = std::make_unique<PuzzleRecord>();
    for (const SamplePuzzle& sample : kSamplePuzzles) {
        fillRecord(sample, layout, *record);
        if (auto appended = collection.AppendPuzzle(*record); !appended) return appended.failure();
    }
    return {};
}

}  // namespace qm
