"""Artwork and sound generators for Kelvaro; driven by tools/make_artwork.py."""
