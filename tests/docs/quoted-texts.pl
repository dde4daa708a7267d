#!/usr/bin/perl
# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The documentation quotes the program's own texts (labels, list items, messages) in
# guillemets, «like this», and must quote them exactly. Usage:
#   quoted-texts.pl SOURCE-ROOT DOCUMENT...
# Every text in guillemets in the documents (roff escapes read as groff shows them) must occur
# in the program's sources, app/, ui/ and calc/, where a text split over several C++ string
# literals is joined again. An ellipsis "…" in a quote stands for a variable part, such as
# the typed text in a conversion message: each piece around it must occur.
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my ($root, @documents) = @ARGV;
die "usage: $0 SOURCE-ROOT DOCUMENT...\n" unless defined $root && @documents;

sub Slurp {
    my ($path) = @_;
    open(my $in, '<:encoding(UTF-8)', $path) or die "$path: $!\n";
    local $/;
    return scalar <$in>;
}

my $sources = '';
for my $dir (qw(app ui calc)) {
    opendir(my $folder, "$root/$dir") or die "$root/$dir: $!\n";
    for my $name (sort grep { /\.(cpp|h)$/ } readdir $folder) {
        $sources .= Slurp("$root/$dir/$name") . "\n";
    }
}
# "abc " "def" across lines or on one line is one literal "abc def".
$sources =~ s/"\s*(?:\)\s*)?\n\s*(?:QStringLiteral\(\s*)?"//g;
$sources =~ s/"\s+"//g;

sub FromRoff {
    my ($text) = @_;
    $text =~ s/\\\(Fo/«/g;
    $text =~ s/\\\(Fc/»/g;
    $text =~ s/\\-/-/g;
    $text =~ s/\\ / /g;
    $text =~ s/\\[%&]//g;
    return $text;
}

my ($checked, $failures) = (0, 0);
for my $document (@documents) {
    my $text = Slurp($document);
    $text = FromRoff($text) if $document =~ /\.\d(\.in)?$/;
    while ($text =~ /«([^«»]*)»/g) {
        my $quote = $1;
        $quote =~ s/\s*\n\s*/ /g;  # a quote wrapped over lines reads with one blank there
        ++$checked;
        my @missing = grep { length && index($sources, $_) < 0 } split /…/, $quote;
        next unless @missing;
        ++$failures;
        print "FAIL: $document quotes «$quote», which the program does not show\n";
    }
}
print "$checked quoted texts checked, $failures not found in the program\n";
exit($failures == 0 && $checked > 0 ? 0 : 1);
